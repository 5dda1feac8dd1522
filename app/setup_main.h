// TForm1: the installer's main window "Brivanta One Step Install": welcome
// text, destination folder, options, View ReadMe / Install / Cancel, and
// the non-visual components that carry and install the application.
#pragma once

#include <string>

#include "Bevel.h"
#include "Button.h"
#include "CheckBox.h"
#include "Edit.h"
#include "FBrowse.h"
#include "FileSrc.h"
#include "Form.h"
#include "GroupBox.h"
#include "Image.h"
#include "Label.h"
#include "Panel.h"
#include "ProgressBar.h"
#include "SpeedButton.h"
#include "ZipMaster.h"

namespace bvt {

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);

    TBevel* Bevel1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TEdit* e_Dir = nullptr;
    TButton* b_Install = nullptr;
    TButton* b_Cancel = nullptr;
    TCheckBox* chb_Associate = nullptr;
    TCheckBox* chb_StartMenu = nullptr;
    TCheckBox* chb_Desktop = nullptr;
    TButton* b_ReadMe = nullptr;
    TProgressBar* progress = nullptr;
    TPanel* pn_1 = nullptr;
    TImage* im_1 = nullptr;
    TCheckBox* chb_Run = nullptr;
    TZipMaster* Zip = nullptr;
    TFileSource* fs_zipdll = nullptr;
    TFileSource* fs_unzdll = nullptr;
    TFileSource* fs_zip = nullptr;
    TFolderBrowse* FolderBrowse = nullptr;

    void FormShow(TComponent* sender);
    void f_fromClick(TComponent* sender);
    void b_ReadMeClick(TComponent* sender);
    void b_CancelClick(TComponent* sender);
    void b_InstallClick(TComponent* sender);

protected:
    // The window cannot be closed while the install sequence runs.
    bool CloseQuery() override { return !installing_; }

private:
    template <class T>
    T* Field(const std::string& name);
    void InstallInto(const std::string& folder, int& step);
    void CopyLibrary(const TFileSource& source, const std::string& folder, const std::string& name);
    void Completed(const std::string& folder);
    void Failed(int exitCode, const std::string& what);

    bool installing_ = false;
};

// The welcome text: three lines, each ended by CR LF.
extern const char* const WelcomeText;

void RegisterMainFormClass();

}  // namespace bvt
