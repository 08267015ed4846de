#pragma once

// Sounds with a window host above them: the sound layer's services installed before the window
// is made (so it opens the device and makes its music player), the sound manager installed for
// the window's turn, sound effects in T:\Wavs and music under T:\.

#include "SoundFixture.h"

#include "graphics/CWindow.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/HeadlessWindowSystem.h"
#include "sound/CSoundManager.h"
#include "sound/CSoundServices.h"

#include <memory>

namespace soundtest {

class SoundWindowFixture : public SoundFixture {
protected:
    void SetUp() override
    {
        SoundFixture::SetUp();
        audio_.close();
        platform::setWindowSystem(&windowSystem_);
        window_ = std::make_unique<CWindow>(&hostWindow_, nullptr, nullptr, CXSize(800, 600),
                                            platform::CursorShape::Arrow, "tamzora", true);
        window_->OnActivateApp(true);
        window_->SetSoundFXPath("T:\\Wavs");
        CWindow::rootPath = "T:\\";
        CSoundManager::install(&manager_);
    }
    void TearDown() override
    {
        CSoundManager::install(nullptr);
        window_.reset();
        CWindow::resetStatics();
        platform::setWindowSystem(nullptr);
        SoundFixture::TearDown();
    }
    // Engine turns of the window every 10 ms; what was played.
    std::vector<int16_t> turns(uint32_t ms)
    {
        return turnsOf(ms, [this] { window_->Tick(); });
    }

    CSoundServices services_;
    CSoundManager manager_;
    platform::HeadlessWindowSystem windowSystem_;
    platform::HeadlessHostWindow hostWindow_{platform::WindowSettings{}};
    std::unique_ptr<CWindow> window_;
};

} // namespace soundtest
