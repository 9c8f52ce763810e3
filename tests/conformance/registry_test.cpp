// The registry calls the profile is built on: DWORD values under HKEY_CURRENT_USER.
#include "tests/conformance/harness.h"

namespace {

const char kKey[] = "Software\\CorvaneConformance\\Section";

} // namespace

CONFORMANCE_TEST(DwordValuesRoundTrip) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ok(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                       KEY_READ | KEY_WRITE, nullptr, &key, &disposition) == ERROR_SUCCESS,
       "RegCreateKeyExA");
    ok(disposition == REG_CREATED_NEW_KEY, "a new key: %lu", disposition);
    const DWORD written = 0x1000a;
    ok(RegSetValueExA(key, "Version", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&written),
                      sizeof written) == ERROR_SUCCESS,
       "RegSetValueExA");
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    ok(RegQueryValueExA(key, "version", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD && size == 4 && value == written,
       "read back without regard to case: %lx", value);
    WORD half = 0;
    size = sizeof half;
    ok(RegQueryValueExA(key, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(&half), &size) ==
           ERROR_MORE_DATA,
       "a buffer too small");
    ok(size == 4, "says how much is needed: %lu", size);
    size = sizeof value;
    ok(RegQueryValueExA(key, "Missing", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) ==
           ERROR_FILE_NOT_FOUND,
       "a missing value");
    RegCloseKey(key);

    ok(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ,
                       nullptr, &key, &disposition) == ERROR_SUCCESS &&
           disposition == REG_OPENED_EXISTING_KEY,
       "created again, it is opened");
    RegCloseKey(key);
    HKEY missing = nullptr;
    ok(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\CorvaneConformance\\Nothing", 0, KEY_READ,
                     &missing) == ERROR_FILE_NOT_FOUND,
       "opening a missing key");
    ok(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\CorvaneConformance") == ERROR_ACCESS_DENIED,
       "a key with subkeys is not deleted");
    ok(RegDeleteKeyA(HKEY_CURRENT_USER, kKey) == ERROR_SUCCESS, "RegDeleteKeyA");
    ok(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\CorvaneConformance") == ERROR_SUCCESS,
       "then its parent");
    ok(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &missing) == ERROR_FILE_NOT_FOUND,
       "and it is gone");
}
