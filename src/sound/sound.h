#pragma once

#include <filesystem>
#include <string>

#include "data/media_resources.h"
#include "model/practice_session.h"
#include "model/settings_values.h"
#include "ui/audio.h"

namespace quorvin::sound {

// Background music and sound effects. Every sound the program makes goes through here, under
// the three switches; none of it ever reports a failure or makes a caller wait.
class Sound {
  public:
    Sound(ui::Audio& audio, const data::MediaResources& resources, const model::Settings& settings,
          const model::PracticeSession& session, std::filesystem::path programFolder);

    // Plays a music file of the program folder from its start, or only stops the music when
    // music is switched off or not allowed now (an empty name does just that).
    void PlayMusic(const std::string& name);
    // Every second: a finished piece starts again.
    void Timer2Timer();
    // Pause and Continue of a session.
    void PauseMusic();
    void ResumeMusic();

    void PlayHitSound();
    void PlayErrorSound();
    // A syllable's pronunciation, by its resource name.
    void SpeakSyllable(const std::string& name);

  private:
    bool musicMayPlay() const;
    void playResource(std::string_view name);

    ui::Audio& audio_;
    const data::MediaResources& resources_;
    const model::Settings& settings_;
    const model::PracticeSession& session_;
    std::filesystem::path programFolder_;
};

}  // namespace quorvin::sound
