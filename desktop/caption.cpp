#include "desktop/caption.h"

namespace desktop {

QStringList wrap_caption(const QString& caption, qreal width, const QFontMetricsF& metrics) {
    // Split into (spaces, word) pairs; the spaces are those before the word.
    struct Piece {
        QString spaces, word;
    };
    QList<Piece> pieces;
    int i = 0;
    const int n = static_cast<int>(caption.size());
    while (i < n) {
        Piece piece;
        while (i < n && caption[i] == u' ') piece.spaces += caption[i++];
        while (i < n && caption[i] != u' ') piece.word += caption[i++];
        pieces.append(piece);
    }

    const auto fits = [&](const QString& s) { return metrics.horizontalAdvance(s) <= width; };
    QStringList lines;
    QString line;
    bool line_has_word = false;
    for (const Piece& piece : pieces) {
        if (piece.word.isEmpty()) {  // trailing spaces
            line += piece.spaces;
            continue;
        }
        if (line_has_word) {
            const QString longer = line + piece.spaces + piece.word;
            if (fits(longer)) {
                line = longer;
            } else {
                lines.append(line);
                line = piece.word;
            }
        } else if (lines.isEmpty() && !piece.spaces.isEmpty() && !fits(piece.spaces + piece.word)) {
            lines.append(piece.spaces);
            line = piece.word;
        } else {
            line = (lines.isEmpty() ? piece.spaces : QString()) + piece.word;
        }
        line_has_word = true;
    }
    if (!line.isEmpty() || lines.isEmpty()) lines.append(line);
    return lines;
}

}  // namespace desktop
