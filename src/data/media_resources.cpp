#include "data/media_resources.h"

namespace quorvin::data {

namespace {

const std::optional<ResourceLibrary>& moduleOf(const MediaResources& media, ResourceModule module) {
    switch (module) {
        case ResourceModule::WavRes:
            return media.WavResModule;
        case ResourceModule::Wbrc1:
            return media.Wbrc1Module;
        case ResourceModule::Wbrc2:
            break;
    }
    return media.Wbrc2Module;
}

}  // namespace

std::string animationResourceName(std::int32_t n) {
    return "MywbGIF" + std::to_string(n);
}

ResourceModule animationModule(std::int32_t n) {
    return n < kFirstWbrc2Animation ? ResourceModule::Wbrc1 : ResourceModule::Wbrc2;
}

bool MediaResources::load(const std::filesystem::path& programDir) {
    WavResModule.reset();
    Wbrc1Module.reset();
    Wbrc2Module.reset();
    WavResModule = ResourceLibrary::load(programDir / kWavResFile);
    if (!WavResModule) return false;
    Wbrc1Module = ResourceLibrary::load(programDir / kWbrc1File);
    if (!Wbrc1Module) return false;
    Wbrc2Module = ResourceLibrary::load(programDir / kWbrc2File);
    return Wbrc2Module.has_value();
}

void MediaResources::unloadWavRes() {
    WavResModule.reset();
}

std::span<const std::uint8_t> MediaResources::fetch(ResourceModule module, std::string_view type,
                                                    std::string_view name) const {
    const auto& library = moduleOf(*this, module);
    if (!library) return {};
    return library->fetch(type, name);
}

std::span<const std::uint8_t> MediaResources::sound(std::string_view name) const {
    return fetch(ResourceModule::WavRes, kSoundType, name);
}

std::span<const std::uint8_t> MediaResources::animation(std::int32_t n) const {
    if (n == 0) return {};
    return fetch(animationModule(n), kAnimationType, animationResourceName(n));
}

}  // namespace quorvin::data
