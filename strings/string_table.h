#pragma once
#include <QString>

// Builds the table from the built-in English texts, then lets a language
// file (when the name is not empty and it opens) replace texts by group and key.
void LoadStringTable(const QString& languageFile);
// The text of group and key (both matched without regard to case), or
// "%NO_STRING_ERROR%".
QString GetString(const QString& group, const QString& key);
// Replaces "%s1%" .. "%s4%" (any case) by the values that are not empty.
QString FillPlaceholders(const QString& text, const QString& s1 = QString(), const QString& s2 = QString(),
                         const QString& s3 = QString(), const QString& s4 = QString());
