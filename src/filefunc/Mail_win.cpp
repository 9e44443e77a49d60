// Send As Mail through Simple MAPI. The mail library is looked up when a mail is sent:
// a machine without a mail client has none, and that is a mail not sent.
#include <windows.h>
#include <mapi.h>

#include <string>

#include "filefunc/FileFunctions_win.h"
#include "win/Handles.h"

namespace filefunc {

unsigned long SendMapiMail(HWND owner, const std::wstring& text) {
  // From the system folder only: a MAPI32.DLL beside a document or the program is not
  // loaded.
  win::UniqueModule mapi(::LoadLibraryExW(L"MAPI32.DLL", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!mapi) return MAPI_E_FAILURE;
  auto send = reinterpret_cast<LPMAPISENDMAIL>(::GetProcAddress(mapi.get(), "MAPISendMail"));
  if (!send) return MAPI_E_FAILURE;
  // Simple MAPI takes the system code page.
  int length = ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()) + 1, nullptr, 0,
                                     nullptr, nullptr);
  std::string note(static_cast<size_t>(length > 0 ? length : 1), '\0');
  if (length > 0)
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()) + 1, note.data(), length, nullptr,
                          nullptr);
  MapiMessage message{};
  message.lpszNoteText = note.data();
  // Log-on dialog allowed, a new session, and the mail client's compose dialog.
  constexpr FLAGS kFlags = MAPI_LOGON_UI | MAPI_NEW_SESSION | MAPI_DIALOG;
  return send(0, reinterpret_cast<ULONG_PTR>(owner), &message, kFlags, 0);
}

}  // namespace filefunc
