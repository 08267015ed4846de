#pragma once

#include "foundation/CXString.h"
#include "network/CDownloadListener.h"
#include "network/CDownloadManagerIfc.h"
#include "platform/CriticalSection.h"
#include "platform/ProgressDialog.h"

#include <memory>

class CInternet;

// The player's download service for the web installation: a modal dialog ("Aktualizacja
// produktu...") with a status line, a progress bar and one button, that runs one download and
// tells whether the file arrived. The button (and the close box) stops the download and closes
// the dialog; once the file is complete it reads "Instaluj >>".
//
// The download's worker tells the dialog how it ended; the worker never touches the dialog
// itself: it leaves the outcome, which the main thread shows at the dialog's next tick.
class CUpdateDialog final : public CDownloadListener, public CDownloadManagerIfc, private platform::ProgressDialogHandler {
public:
    // The address of the folder the files are fetched from: the file's name is appended to it.
    explicit CUpdateDialog(const CXString& baseAddress);
    // Ends a download still running (its worker first).
    ~CUpdateDialog() override;
    CUpdateDialog(const CUpdateDialog&) = delete;
    CUpdateDialog& operator=(const CUpdateDialog&) = delete;

    // Runs the dialog for the file until the user closes it; whether the file arrived complete.
    bool download(CXString file, CXString server) override;

    // On the download's worker.
    void onDownloadFinish() override;
    void onError(CXString message) override;

private:
    enum class Outcome { None, Finished, Failed };

    void onOpen(platform::ProgressDialog& dialog) override;
    void onButton(platform::ProgressDialog& dialog) override;
    void onClose(platform::ProgressDialog& dialog) override;
    void onTimer(platform::ProgressDialog& dialog) override;
    // False when the server is not reachable: nothing was started.
    bool startDownload(platform::ProgressDialog& dialog);
    void close(platform::ProgressDialog& dialog);
    void showProgress(platform::ProgressDialog& dialog);

    CXString baseAddress_;
    CXString file_;
    CXString server_;
    std::unique_ptr<CInternet> download_;
    platform::CriticalSection outcomeLock_;
    Outcome outcome_ = Outcome::None;
    CXString error_;
};
