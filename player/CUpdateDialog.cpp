#include "player/CUpdateDialog.h"

#include "network/CInternet.h"
#include "platform/WindowSystem.h"

#include <algorithm>
#include <string>

namespace {

// Texts of the dialog, code page 1250.
const char kTitle[] = "Aktualizacja produktu...";
const char kFirstStatus[] = "xxx";
const char kCancel[] = "Anuluj";
const char kInstall[] = "Instaluj >>";
const char kFinish[] = "Zako\xF1" "cz";
const char kConnecting[] = "\xA3\xB9" "cz\xEA si\xEA z serwerem Halvremont....";
const char kNoConnection[] = "Nie moge po\xB3\xB9" "czy\xE6 z serwerem Halvremont.";
const char kLoading[] = "Wczytuj\xEA plik ";
const char kFailed[] = "Wyst\xB9pi\xB3 b\xB3\xB9" "d: ";

// What the dialog ends with when it is closed, its button's identifier.
constexpr int kButtonId = 1037;
constexpr uint32_t kTickMs = 100;
constexpr platform::ScreenPoint kOrigin{300, 200};

CXString numberText(int64_t number)
{
    return CXString(std::to_string(number).c_str());
}

} // namespace

CUpdateDialog::CUpdateDialog(const CXString& baseAddress) : baseAddress_(baseAddress) {}

CUpdateDialog::~CUpdateDialog()
{
    download_.reset();
}

bool CUpdateDialog::download(CXString file, CXString server)
{
    file_ = file;
    server_ = server;
    platform::windowSystem().runProgressDialog(platform::ProgressDialogLook{kTitle, kOrigin, kFirstStatus, kCancel}, *this);
    return download_ != nullptr && download_->isSuccess();
}

void CUpdateDialog::onDownloadFinish()
{
    platform::CriticalSection::Scoped hold(outcomeLock_);
    outcome_ = Outcome::Finished;
}

void CUpdateDialog::onError(CXString message)
{
    platform::CriticalSection::Scoped hold(outcomeLock_);
    outcome_ = Outcome::Failed;
    error_ = message;
}

void CUpdateDialog::onOpen(platform::ProgressDialog& dialog)
{
    dialog.setStatus(kConnecting);
    if (startDownload(dialog))
        dialog.startTimer(kTickMs);
}

bool CUpdateDialog::startDownload(platform::ProgressDialog& dialog)
{
    download_ = std::make_unique<CInternet>(server_);
    if (!download_->isConnected()) {
        dialog.setStatus(kNoConnection);
        dialog.setButtonText(kFinish);
        return false;
    }
    download_->registerListener(this);
    download_->GET(baseAddress_, file_);
    return true;
}

void CUpdateDialog::onButton(platform::ProgressDialog& dialog)
{
    close(dialog);
}

void CUpdateDialog::onClose(platform::ProgressDialog& dialog)
{
    close(dialog);
}

void CUpdateDialog::close(platform::ProgressDialog& dialog)
{
    if (download_ != nullptr)
        download_->stopDownload();
    dialog.end(kButtonId);
    dialog.stopTimer();
}

void CUpdateDialog::onTimer(platform::ProgressDialog& dialog)
{
    Outcome outcome;
    CXString error;
    {
        platform::CriticalSection::Scoped hold(outcomeLock_);
        outcome = outcome_;
        error = error_;
    }
    // A failure's message stays: the counts are not written over it.
    if (outcome == Outcome::Failed) {
        dialog.setStatus((kFailed + error).c_str());
        dialog.setButtonText(kFinish);
        return;
    }
    showProgress(dialog);
    if (outcome == Outcome::Finished)
        dialog.setButtonText(kInstall);
}

void CUpdateDialog::showProgress(platform::ProgressDialog& dialog)
{
    const int64_t received = download_->getDataBytes();
    if (received < 1)
        return;
    const int64_t total = download_->getTotalSize();
    dialog.setStatus((kLoading + file_ + "( " + numberText(received) + "/" + numberText(total) + ") ").c_str());
    // More than the length announced fills the bar, no further.
    dialog.setProgress(total == 0 ? 0 : int(std::min(100.0, double(received) * 100.0 / double(total))));
}
