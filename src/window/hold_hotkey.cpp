#include "window/hold_hotkey.h"

namespace tintavo {
namespace {

constexpr std::int16_t kEnter = 13;

}  // namespace

HoldHotkey::HoldHotkey(WindowsApi& api, Form1& form)
    : api_(api), form_(form),
      // MOD_NOREPEAT: holding the keys down toggles once, not at the keyboard's repeat rate.
      registered_(api.RegisterHotKey(form.hWnd, kId, kModControl | kModAlt | kModNoRepeat, kVkReturn)) {}

HoldHotkey::~HoldHotkey() {
    if (registered_) api_.UnregisterHotKey(form_.hWnd, kId);
}

void HoldHotkey::Pressed() {
    std::int16_t keyAscii = kEnter;
    form_.Form_KeyPress(keyAscii);
}

}  // namespace tintavo
