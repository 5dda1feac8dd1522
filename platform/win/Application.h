// TApplication: the program's application object (global `Application`):
// its title, its main form, the message loop with the keyboard interface of
// the forms, and the default handler for exceptions that escape an event.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bvt {

class TForm;

class TApplication {
public:
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Creates a form; the first one created this way is the main form.
    // The application destroys its forms when Run ends.
    template <class T>
    void CreateForm(T*& reference) {
        std::unique_ptr<T> form(new T(nullptr));
        reference = form.get();
        AddForm(std::move(form));
    }
    TForm* MainForm() const { return mainForm_; }
    HWND MainWindow() const;

    // Shows the main form and processes messages until it is closed; then
    // destroys the forms. Returns the exit code.
    int Run();
    // Handles the messages waiting in the queue, then returns.
    void ProcessMessages();
    // Ends the message loop.
    void Terminate();
    bool Terminated() const { return terminated_; }
    int ExitCode() const { return exitCode_; }
    void SetExitCode(int code) { exitCode_ = code; }

    // The default handler: the message, with a full stop added if missing,
    // in an error box captioned with the title; or the handler set with
    // SetOnException.
    void HandleException(const std::exception& e);
    void SetOnException(std::function<void(const std::exception&)> handler) { onException_ = std::move(handler); }
    // The last-resort handler for failures before the message loop runs:
    // an "Application Error" box. The caller ends the program with code 1.
    static void ShowStartupError(const std::exception& e);

private:
    void AddForm(std::unique_ptr<TForm> form);
    bool HandleMessage();  // false when the queue is empty
    bool IsKeyboardMessage(MSG& msg);

    std::string title_;
    std::function<void(const std::exception&)> onException_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int exitCode_ = 0;
};

extern TApplication Application;

// A message as the default handler shows it: a full stop added if missing.
std::string WithFullStop(const std::string& message);

}  // namespace bvt
