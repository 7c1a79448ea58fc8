// Test helper: writes the clipboard's text to standard output as another
// Windows program reads it (CF_TEXT, the system's code page). Exits with 1
// when the clipboard cannot be opened and 2 when it holds no text.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

int main() {
  _setmode(_fileno(stdout), _O_BINARY);  // the text's CR LF as it is, not CR CR LF
  if (OpenClipboard(nullptr) == 0) return 1;
  HANDLE data = GetClipboardData(CF_TEXT);
  const auto* text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  if (text != nullptr) {
    std::fwrite(text, 1, std::strlen(text), stdout);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text != nullptr ? 0 : 2;
}
