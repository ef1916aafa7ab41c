#include "tests/support/PpdFixture.h"

#include <sstream>
#include <stdexcept>

std::filesystem::path samplePPDPath() {
    return std::filesystem::path(NELVO_SOURCE_DIR) / "examples" / "NelvoZlm420k.ppd";
}

std::filesystem::path writeSamplePPDVariant(const TempDir& dir, const std::vector<PPDLineChange>& changes,
                                            const std::string& fileName) {
    std::istringstream sample(readFile(samplePPDPath()));
    std::vector<bool> applied(changes.size(), false);
    std::string variant;
    for (std::string line; std::getline(sample, line);) {
        bool kept = true;
        for (size_t i = 0; i < changes.size(); ++i) {
            if (applied[i] || !line.starts_with(changes[i].linePrefix)) continue;
            applied[i] = true;
            kept = changes[i].replacement.has_value();
            if (kept) line = *changes[i].replacement;
            break;
        }
        if (kept) variant += line + "\n";
    }
    for (size_t i = 0; i < changes.size(); ++i)
        if (!applied[i]) throw std::invalid_argument("the sample PPD has no line beginning " + changes[i].linePrefix);
    return dir.write(fileName, variant);
}

std::filesystem::path writeFinishingPPD(const TempDir& dir) {
    constexpr const char* kFiling = "*OpenUI *KZDocFiling/Document Filing: PickOne";
    const std::string finishing =
        "*OpenUI *Duplex/Two-Sided: PickOne\n*OrderDependency: 20 AnySetup *Duplex\n*DefaultDuplex: None\n"
        "*Duplex None/Off: \"<</Duplex false>>setpagedevice\"\n"
        "*Duplex DuplexNoTumble/Long Edge: \"<</Duplex true/Tumble false>>setpagedevice\"\n"
        "*Duplex DuplexTumble/Short Edge: \"<</Duplex true/Tumble true>>setpagedevice\"\n*CloseUI: *Duplex\n"
        "*OpenUI *StapleLocation/Staple: PickOne\n*OrderDependency: 50 AnySetup *StapleLocation\n"
        "*DefaultStapleLocation: None\n*StapleLocation None/None: \"\"\n*StapleLocation TopLeft/Top Left: \"\"\n"
        "*CloseUI: *StapleLocation\n";
    return writeSamplePPDVariant(dir, kFiling, finishing + kFiling, "finishing.ppd");
}

std::filesystem::path writeLobbyPPD(const TempDir& dir) {
    return writeSamplePPDVariant(dir, "*ModelName:", "*ModelName: \"Nelvo ZLM-420K Lobby\"", "lobby.ppd");
}

std::filesystem::path writeSamplePPDVariant(const TempDir& dir, const std::string& linePrefix,
                                            const std::optional<std::string>& replacement,
                                            const std::string& fileName) {
    return writeSamplePPDVariant(dir, {{linePrefix, replacement}}, fileName);
}
