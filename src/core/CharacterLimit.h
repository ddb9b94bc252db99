#pragma once

#include <QString>
#include <QValidator>

// The first `count` characters as a reader counts them: a letter with its accents, an emoji
// with its skin tone or joined family, a flag, each is one, however many UTF-16 units it
// takes, and none is cut in two.
QString leftCharacters(const QString& text, int count);

// Holds a line edit to `limit` characters as a reader counts them. What is typed or pasted
// beyond the limit is dropped from its end, as the box's own limit in UTF-16 units would drop
// it, but a character is never cut in two.
class CharacterLimit final : public QValidator
{
  public:
    CharacterLimit(int limit, QObject* parent);

    State validate(QString& input, int& pos) const override;

  private:
    int m_limit;
};
