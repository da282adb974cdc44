#pragma once

#include <QString>

// The member types the store knows by name; any other type text names a referenced class.
enum class MemberCategory { String, Integer, Float, Date, Image, Reference };

inline const QString kTypeString = QStringLiteral("字符串");
inline const QString kTypeInteger = QStringLiteral("整型");
inline const QString kTypeFloat = QStringLiteral("浮点型");
inline const QString kTypeDate = QStringLiteral("日期型");
inline const QString kTypeImage = QStringLiteral("图片型");

// Compares the whole type text exactly; any other text names a referenced class.
MemberCategory CategoryOfType(const QString& memberType);
