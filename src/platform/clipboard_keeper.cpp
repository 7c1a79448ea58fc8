#include "clipboard_keeper.h"

#include <xcb/xcb.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "text_codec.h"

namespace ornix {
namespace {

constexpr int ownershipCheck = 200;  // milliseconds between asking the X server

template <typename Reply>
using XReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t clipboardAtom(xcb_connection_t* connection) {
  constexpr char name[] = "CLIPBOARD";
  const XReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Whether the X server gives the clipboard to a window of this connection.
// Qt's own bookkeeping can believe it still holds the clipboard after
// another keeper took it with the same timestamp, which the server allows.
bool holdsClipboard(xcb_connection_t* connection, xcb_atom_t clipboard) {
  const XReply<xcb_get_selection_owner_reply_t> reply(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, clipboard), nullptr), &std::free);
  if (!reply || reply->owner == XCB_NONE) return false;
  const xcb_setup_t* setup = xcb_get_setup(connection);
  return (reply->owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

// Ends the keeper once the X server gives the clipboard to anyone else.
void endWhenTheClipboardIsTaken(QGuiApplication& application) {
  const auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  const xcb_atom_t clipboard = clipboardAtom(connection);
  auto* check = new QTimer(&application);
  QObject::connect(check, &QTimer::timeout, [connection, clipboard] {
    if (!holdsClipboard(connection, clipboard)) QGuiApplication::quit();
  });
  check->start(ownershipCheck);
}

}  // namespace

int runClipboardKeeper() {
  QFile input;
  if (!input.open(stdin, QIODevice::ReadOnly)) return 1;
  const QString text = toDisplay(input.readAll().toStdString());
  QClipboard* clipboard = QGuiApplication::clipboard();
  // The program that handed the text over may still hold it, or may have
  // ended; any other text means the user has copied something since.
  const QString current = clipboard->text();
  if (!current.isEmpty() && current != text) return 0;
  clipboard->setText(text);
  QObject::connect(clipboard, &QClipboard::changed, [clipboard](QClipboard::Mode mode) {
    if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) QGuiApplication::quit();
  });
  endWhenTheClipboardIsTaken(*qGuiApp);
  return QGuiApplication::exec();
}

}  // namespace ornix
