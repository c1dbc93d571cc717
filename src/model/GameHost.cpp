#include "model/GameHost.h"

#include <utility>

namespace {
GameHost& HostStorage() {
    static GameHost host;
    return host;
}
std::function<void(const std::string&)>& ModelErrorReport() {
    static std::function<void(const std::string&)> report;
    return report;
}
} // namespace

void SetGameHost(GameHost host) {
    HostStorage() = std::move(host);
}
const GameHost& Host() {
    return HostStorage();
}

void HostErrorBox(const std::string& text) {
    if (Host().ErrorBox) Host().ErrorBox(text);
}
void HostErrorReported(const std::string& text) {
    if (Host().ErrorReported) Host().ErrorReported(text);
}
void ShowMessageBox(const std::string& text, const std::string& caption) {
    if (Host().MessageBox) Host().MessageBox(text, caption);
}
void HostSystemError(const std::string& text, const std::string& caption) {
    if (Host().SystemError) Host().SystemError(text, caption);
}
void HostPlaySound(const std::string& name) {
    if (Host().PlaySound) Host().PlaySound(name);
}
void HostRefreshAfterDay() {
    if (Host().RefreshAfterDay) Host().RefreshAfterDay();
}
void HostReturnToDefaultPage() {
    if (Host().ReturnToDefaultPage) Host().ReturnToDefaultPage();
}

void SetModelErrorReport(std::function<void(const std::string& text)> report) {
    ModelErrorReport() = std::move(report);
}
void ReportModelError(const std::string& text) {
    if (ModelErrorReport()) ModelErrorReport()(text);
}
