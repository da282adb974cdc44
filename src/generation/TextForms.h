#pragma once

#include <QString>

// The forms a user's text (a friendly name, a member comment) takes in the generated files, one
// per place it lands. Each keeps the text as it reads and changes only what would break the
// file; a text without such characters comes back unchanged.

// Inside a Java string literal: backslash and double quote escaped, CR and LF as \r and \n.
QString InJavaString(const QString& text);

// Inside a Java comment (// or /* */): backslashes doubled, so that none starts a \u escape
// (which the compiler reads before it sees the comment), "*/" broken up as "* /", and line
// breaks made blanks.
QString InJavaComment(const QString& text);

// At the start of an XML attribute value that aapt reads as text: &, < and " as entity
// references (the quote escaped for aapt too, which would drop it), backslashes doubled, a
// leading @ or ? (which aapt reads as a resource reference) escaped, a line break as aapt's \n,
// and other control characters, which XML cannot hold, as aapt's \uXXXX escapes.
QString InXmlAttribute(const QString& text);
