#include "platform/Cp1252.h"

QString FromCp1252(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) out.append(QChar(Cp1252ToUnicode(static_cast<unsigned char>(c))));
  return out;
}

std::string ToCp1252(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) out.push_back(UnicodeToCp1252(ch.unicode()));
  return out;
}
