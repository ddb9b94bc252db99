#include "core/CharacterLimit.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace
{

// Where each character begins, and where the text ends.
QList<qsizetype> characterEdges(const QString& text)
{
    QList<qsizetype> edges{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        edges.append(finder.position());
    return edges;
}

} // namespace

QString leftCharacters(const QString& text, int count)
{
    const QList<qsizetype> edges = characterEdges(text);
    return text.left(edges.at(std::clamp<qsizetype>(count, 0, edges.size() - 1)));
}

CharacterLimit::CharacterLimit(int limit, QObject* parent) : QValidator(parent), m_limit(limit) {}

QValidator::State CharacterLimit::validate(QString& input, int& pos) const
{
    const QList<qsizetype> edges = characterEdges(input);
    const qsizetype over = edges.size() - 1 - m_limit;
    if (over <= 0)
        return Acceptable;
    // What was just typed or pasted ends at the cursor: its last characters go.
    const qsizetype end = std::min<qsizetype>(
        std::lower_bound(edges.cbegin(), edges.cend(), pos) - edges.cbegin(), edges.size() - 1);
    const qsizetype start = std::max<qsizetype>(0, end - over);
    input.remove(edges.at(start), edges.at(end) - edges.at(start));
    pos = int(edges.at(start));
    input = leftCharacters(input, m_limit);
    pos = std::min(pos, int(input.size()));
    return Acceptable;
}
