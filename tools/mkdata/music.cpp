#include "mkdata/music.h"

#include "mkdata/drill_music.h"
#include "mkdata/idle_music.h"
#include "mkdata/mp3_encoder.h"

namespace quorvin::mkdata {

void buildMusic(const std::filesystem::path& outDir) {
    std::filesystem::create_directories(outDir);
    encodeMp3(composeIdleMusic(), outDir / kIdleMusicFile);
    encodeMp3(composeDrillMusic(), outDir / kDrillMusicFile);
}

}  // namespace quorvin::mkdata
