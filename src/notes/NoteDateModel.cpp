#include "notes/NoteDateModel.h"

NoteDateModel::NoteDateModel(QObject* parent)
    : QAbstractListModel(parent), m_longFormat(m_locale.dateFormat(QLocale::LongFormat))
{
}

void NoteDateModel::setDates(NoteDateList dates)
{
    beginResetModel();
    m_dates = std::move(dates);
    endResetModel();
}

int NoteDateModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_dates.count();
}

QVariant NoteDateModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_dates.entryText(index.row(), m_locale, m_longFormat);
}
