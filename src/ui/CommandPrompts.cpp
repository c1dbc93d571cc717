#include "ui/CommandPrompts.h"

#include "platform/SystemDialogs.h"
#include "ui/FileDialog.h"
#include "ui/Message.h"

namespace {

// Each call owns its own window, so nested windows never share one.
class WindowPrompts final : public CommandPrompts {
public:
    void Message(const std::string& text, const std::string& caption) override {
        ShowMessageWindow(text, caption);
    }
    int Question(const std::string& text, const std::string& caption) override {
        TformMessage window;
        return window.AskQuestion(text, caption);
    }
    std::string Input(const std::string& text, const std::string& caption,
                      const std::string& initial) override {
        TformMessage window;
        window.AskText(text, caption, initial);
        return window.mInputText;
    }
    void About() override {
        TformMessage window;
        window.ShowAbout();
    }
    void SystemError(const std::string& text, const std::string& caption) override {
        ShowSystemError(caption, text);
    }
    std::optional<std::string> ChooseLoadFile(const std::string& folder) override {
        return Choose(FileDialogKind::Open, folder);
    }
    std::optional<std::string> ChooseSaveFile(const std::string& folder) override {
        return Choose(FileDialogKind::Save, folder);
    }

private:
    static std::optional<std::string> Choose(FileDialogKind kind, const std::string& folder) {
        TformFileDialog dialog(kind, folder);
        if (!dialog.Execute()) return std::nullopt;
        return dialog.FileName();
    }
};

} // namespace

std::unique_ptr<CommandPrompts> MakeWindowPrompts() {
    return std::make_unique<WindowPrompts>();
}
