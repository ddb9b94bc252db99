#pragma once

#include "notes/NoteDateList.h"

#include <QAbstractListModel>

// The notes window's date list as the drop-down list shows it. Only the entries on screen
// are ever formatted, so thousands of expired notes do not slow a rebuild down.
class NoteDateModel : public QAbstractListModel
{
    Q_OBJECT

  public:
    explicit NoteDateModel(QObject* parent = nullptr);

    void setDates(NoteDateList dates);
    const NoteDateList& dates() const { return m_dates; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    NoteDateList m_dates;
    QLocale m_locale;
    QString m_longFormat;
};
