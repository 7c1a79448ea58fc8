#include "text_codec.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include "model/attribute_entry.h"
#include "model/character_references.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ornix {

namespace {

QByteArray nameOf(std::string_view charset) {
  return QByteArray(charset.data(), static_cast<qsizetype>(charset.size()));
}

// The converters for a code page: the system's for none or for the system's
// own, Latin-1 for one this system's Qt does not know.
template <typename Converter>
Converter converterFor(std::string_view charset) {
  if (charset.empty()) return Converter(Converter::System, Converter::Flag::Stateless);
  Converter named(nameOf(charset).constData(), Converter::Flag::Stateless);
  if (named.isValid()) return named;
  if (charset == systemPageLocale().charset) return Converter(Converter::System, Converter::Flag::Stateless);
  return Converter(Converter::Latin1, Converter::Flag::Stateless);
}

}  // namespace

QString toDisplay(std::string_view bytes, std::string_view charset) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  auto decoder = converterFor<QStringDecoder>(charset);
  QString text = decoder.decode(view);
  if (!decoder.hasError()) return text;
  return QString::fromLatin1(view);
}

std::string fromDisplay(const QString& text, std::string_view original) {
  if (text == toDisplay(original)) return std::string(original);
  return text.toLocal8Bit().toStdString();
}

QString valueToDisplay(std::string_view value, std::string_view charset) {
  QString shown;
  decodeReferences(
      value, [&shown, charset](std::string_view bytes) { shown += toDisplay(bytes, charset); },
      [&shown](char32_t character) { shown += QString::fromUcs4(&character, 1); });
  return shown;
}

std::string valueFromDisplay(const QString& text, std::string_view original, std::string_view charset) {
  if (text == valueToDisplay(original, charset)) return std::string(original);
  std::string value;
  std::string typed;  // bytes typed since the last character the code page lacks
  auto encoder = converterFor<QStringEncoder>(charset);
  auto decoder = converterFor<QStringDecoder>(charset);
  for (const char32_t character : text.toUcs4()) {
    // A code page may put "?" for a character it lacks without saying so:
    // the bytes must read back as the character.
    const QString one = QString::fromUcs4(&character, 1);
    const QByteArray bytes = encoder.encode(one);
    if (!encoder.hasError() && decoder.decode(bytes) == one && !decoder.hasError()) {
      typed.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
      continue;
    }
    encoder.resetState();
    decoder.resetState();
    value += escapeAttributeValue(typed) + "&#" + std::to_string(character) + ";";
    typed.clear();
  }
  return value + escapeAttributeValue(typed);
}

namespace {

// The name a browser knows the system code page by. Qt keeps 8-bit text in
// UTF-8 everywhere but Windows, where it is the ANSI code page.
std::string systemCharset() {
#ifdef Q_OS_WIN
  const UINT page = GetACP();
  switch (page) {
    case 932: return "shift_jis";
    case 936: return "gbk";
    case 949: return "euc-kr";
    case 950: return "big5";
    case 65001: return "utf-8";
    default: return "windows-" + std::to_string(page);
  }
#else
  return "utf-8";
#endif
}

std::string systemLanguage() {
  const QString name = QLocale::system().bcp47Name();
  return name == "C" ? std::string() : name.toStdString();
}

}  // namespace

const PageLocale& systemPageLocale() {
  static const std::string charset = systemCharset();
  static const std::string language = systemLanguage();
  static const PageLocale locale{charset, language};
  return locale;
}

}  // namespace ornix
