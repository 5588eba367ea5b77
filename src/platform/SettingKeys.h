#pragma once

#include <QString>
#include <QStringList>

namespace vexo::platform {

// A named entry of the per-user settings store. An absent entry reads as the
// value type's default: empty text, 0 or false.
template <typename T> struct SettingKey { const char* name; };

// Every settings entry the application uses, with its stored type. The names
// are the stored keys and must not change: existing settings files rely on them.
namespace keys {

// Vault location and the removable-drive vaults the application knows.
inline constexpr SettingKey<QString> kRootDirKey{"kRootDirKey"};
inline constexpr SettingKey<QStringList> KUPNAMES{"KUPNAMES"};
// While the vault folder is being moved: where from and where to, so a move
// cut short is put right at the next start.
inline constexpr SettingKey<QStringList> vaultMovePending{"vaultMovePending"};

// Master password, as typed, its hint and the remember copy.
inline constexpr SettingKey<QString> kSOUREPASSWORD{"kSOUREPASSWORD"};
inline constexpr SettingKey<QString> kPASSWORDHINTCONTENT{"kPASSWORDHINTCONTENT"};
inline constexpr SettingKey<QString> rememberPasswordCopy{"remmenberBtn.state"};

// True once the first-run guide has finished.
inline constexpr SettingKey<bool> FirstRun{"FirstRun"};

// Interface language index (see Localization.h).
inline constexpr SettingKey<int> AppLanguage{"AppLanguage"};

// Main window content size.
inline constexpr SettingKey<double> mainWindowSizeWidth{"mainWindowSize.width"};
inline constexpr SettingKey<double> mainWindowSizeHeight{"mainWindowSize.height"};

// Preferences: pop-up choices are zero-based indexes, checkboxes 0 or 1.
inline constexpr SettingKey<int> kLOCKQUILLANWHENIDLE{"kLOCKQUILLANWHENIDLE"};
inline constexpr SettingKey<int> kWhenquittingLockQuillan{"kWhenquittingLockQuillan"};
inline constexpr SettingKey<int> USEMENUBARASSISTANT{"USEMENUBARASSISTANT"};
inline constexpr SettingKey<int> kLAUNCHASSISTANTONLOGIN{"kLAUNCHASSISTANTONLOGIN"};
inline constexpr SettingKey<int> kSENDANONYMOUSUSAGEDATATOORBANE{"kSENDANONYMOUSUSAGEDATATOORBANE"};
inline constexpr SettingKey<int> kEraseremainingfiledatasecurelyafterhiding{
    "kEraseremainingfiledatasecurelyafterhiding"};
inline constexpr SettingKey<int> Whenunhidingviamenubarassistant{"Whenunhidingviamenubarassistant"};
inline constexpr SettingKey<int> WhenunhidingfromLocalQuillanMainWindow{
    "WhenunhidingfromLocalQuillanMainWindow"};
inline constexpr SettingKey<int> Secureerasemethod{"Secureerasemethod"};
inline constexpr SettingKey<int> kBackUplockQuillan{"kBackUplockQuillan"};
// Checkbox: lock the vault when the desktop session locks or the computer is
// about to sleep. Never stored, it reads as on (see GeneralViewController).
inline constexpr SettingKey<int> kLockWithDesktopSession{"kLockWithDesktopSession"};

} // namespace keys
} // namespace vexo::platform
