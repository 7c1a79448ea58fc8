#include "text_codec.h"

#include <QStringDecoder>

namespace ornix {

QString toDisplay(std::string_view bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(view);
  if (!decoder.hasError()) return text;
  return QString::fromLatin1(view);
}

std::string fromDisplay(const QString& text, std::string_view original) {
  if (text == toDisplay(original)) return std::string(original);
  return text.toLocal8Bit().toStdString();
}

}  // namespace ornix
