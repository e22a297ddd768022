#include "components/skin/xpCaptionText.h"

namespace {

// Bytes of the UTF-8 character starting at s[i].
std::size_t CharLength(const std::string& s, std::size_t i) {
    std::size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
    return n;
}

} // namespace

AcceleratedText SplitAccelerator(const std::string& caption) {
    AcceleratedText r;
    const std::size_t amp = caption.find('&');
    if (amp == std::string::npos) {
        r.text = r.before = r.through = caption;
        return r;
    }
    r.hasAmpersand = true;
    r.text = caption.substr(0, amp) + caption.substr(amp + 1);
    r.before = caption.substr(0, amp);
    r.through =
        amp + 1 < caption.size() ? r.text.substr(0, amp + CharLength(caption, amp + 1)) : r.before;
    return r;
}
