#include "setup_main.h"

#include <windows.h>
#include <shellapi.h>

#include "CommandLine.h"
#include "Dialogs.h"
#include "FileStream.h"
#include "InstallRules.h"
#include "TypeInfo.h"
#include "install.h"

namespace bvt {

const char* const WelcomeText =
    "Welcome to Brivanta 3.3 Installation program.\r\n"
    "It is recommend to close all other programs you are running.\r\n"
    "Disk space required: 5 MB\r\n";

template <class T>
T* TForm1::Field(const std::string& name) {
    T* component = Find<T>(name);
    if (!component) throw Exception(Name() + ": the window description lacks " + name);
    return component;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    BindHandler("FormShow", [this](TComponent* s) { FormShow(s); });
    BindHandler("f_fromClick", [this](TComponent* s) { f_fromClick(s); });
    BindHandler("b_ReadMeClick", [this](TComponent* s) { b_ReadMeClick(s); });
    BindHandler("b_CancelClick", [this](TComponent* s) { b_CancelClick(s); });
    BindHandler("b_InstallClick", [this](TComponent* s) { b_InstallClick(s); });
    LoadFromResource("FORM1");
    Bevel1 = Field<TBevel>("Bevel1");
    Label1 = Field<TLabel>("Label1");
    Label2 = Field<TLabel>("Label2");
    GroupBox1 = Field<TGroupBox>("GroupBox1");
    SpeedButton1 = Field<TSpeedButton>("SpeedButton1");
    e_Dir = Field<TEdit>("e_Dir");
    b_Install = Field<TButton>("b_Install");
    b_Cancel = Field<TButton>("b_Cancel");
    chb_Associate = Field<TCheckBox>("chb_Associate");
    chb_StartMenu = Field<TCheckBox>("chb_StartMenu");
    chb_Desktop = Field<TCheckBox>("chb_Desktop");
    b_ReadMe = Field<TButton>("b_ReadMe");
    progress = Field<TProgressBar>("progress");
    pn_1 = Field<TPanel>("pn_1");
    im_1 = Field<TImage>("im_1");
    chb_Run = Field<TCheckBox>("chb_Run");
    Zip = Field<TZipMaster>("Zip");
    fs_zipdll = Field<TFileSource>("fs_zipdll");
    fs_unzdll = Field<TFileSource>("fs_unzdll");
    fs_zip = Field<TFileSource>("fs_zip");
    FolderBrowse = Field<TFolderBrowse>("FolderBrowse");
}

void TForm1::FormShow(TComponent*) {
    Label1->SetCaption(WelcomeText);
    e_Dir->SetText(GetDefaultInstallFolder());
    // The hidden progress bar's strip goes; the install sequence adds it back.
    SetHeight(Height() - progress->Height());
    const Bounds label{Label1->Left(), Label1->Top(), Label1->Width(), Label1->Height()};
    const Bounds readMe{b_ReadMe->Left(), b_ReadMe->Top(), b_ReadMe->Width(), b_ReadMe->Height()};
    const SidePanelLayout layout = LayOutSidePanel(label, readMe, im_1->Width(), im_1->Height());
    pn_1->SetBounds(layout.panel.left, layout.panel.top, layout.panel.width, layout.panel.height);
    im_1->SetBounds(layout.pictureLeft, layout.pictureTop, im_1->Width(), im_1->Height());
    chb_Run->SetEnabled(ParamCount() == 0);
}

void TForm1::f_fromClick(TComponent*) {
    FolderBrowse->SetDirectory(e_Dir->Text());
    if (FolderBrowse->Execute(*this)) e_Dir->SetText(FolderBrowse->Directory());
}

void TForm1::b_ReadMeClick(TComponent*) {
    if (FileExists("readme.txt"))
        ShellExecuteA(nullptr, "open", "readme.txt", "", "", SW_SHOW);
    else
        MessageDlg("File readme.txt not found.\r\nIf you are runing program from zip file, extract it at first.",
                   mtWarning, mbOK, 0);
}

void TForm1::b_CancelClick(TComponent*) {
    Close();
}

void RegisterMainFormClass() {
    RegisterClass<TForm1>("TForm1", "TForm");
}

}  // namespace bvt
