#include "ContainerWriter.h"

#include "Container.h"

namespace {
void AppendU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFFu);
}
void AppendPicture(std::string& out, const std::optional<StoredPicture>& picture) {
    if (!picture) return;
    out += static_cast<char>(picture->Kind);
    out += picture->Data;
}
} // namespace

std::string MakeHeader(std::string_view version) {
    std::string header(HeaderMagic);
    std::string v(version.substr(0, 13));
    v.resize(13, ' ');
    return header + v + "  ";
}

std::string_view ImageBytes(const PuzzleImage& image) {
    return {reinterpret_cast<const char*>(&image), sizeof(PuzzleImage)};
}

std::string PuzzleFileBytes(const PuzzleImage& image, std::string_view headerVersion,
                            const std::optional<StoredPicture>& picture) {
    std::string out = MakeHeader(headerVersion);
    out += ImageBytes(image);
    AppendPicture(out, picture);
    return out;
}

std::string ModuleBytes(const PuzzleImage& image, std::string_view settingsText,
                        const std::optional<StoredPicture>& picture) {
    std::string out = MakeHeader(image.CreatorVersion.view());
    AppendU32(out, sizeof(PuzzleImage));
    out += ImageBytes(image);
    AppendU32(out, static_cast<std::uint32_t>(settingsText.size()));
    out += settingsText;
    AppendPicture(out, picture);
    return out;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

unsigned char PictureKindOf(std::string_view data) {
    return data.substr(0, 2) == "BM" ? 0 : 1;
}
