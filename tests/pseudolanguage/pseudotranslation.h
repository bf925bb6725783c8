#pragma once

#include <QString>

class QIODevice;

// A made-up language that shows where the window cuts or crowds its texts:
// every letter accented, every text framed in brackets and padded to at
// least 40 % more characters. Placeholders ("%1", "%L2", "%n"), "&"
// accelerators and entities, tags and every other character stay as they
// are. The same source gives the same text.
QString pseudoTranslation(const QString &source);

// Copies a translation catalogue (.ts) from in to out with every message
// translated into the pseudo-language. Returns the reader's error, or an
// empty text when the catalogue was well formed.
QString pseudoTranslateCatalogue(QIODevice &in, QIODevice &out);
