#pragma once

#include "relatorios/ListaValidacao.h"

#include <QAbstractTableModel>

namespace kelpa::validacao {

// One list of the validation window: the period as people read it
// ("2º Trimestre de 2006") and the message, one finding a row.
class ModeloConstatacoes : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Coluna { ColunaPeriodo = 0, ColunaDescricao = 1 };

    explicit ModeloConstatacoes(QObject *parent = nullptr);

    void definir(const QList<relatorios::ConstatacaoValidacao> &lista);
    const QList<relatorios::ConstatacaoValidacao> &lista() const { return m_lista; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Messages break lines with a lone CR, as the message box shows them.
    static QString textoParaTela(const QString &mensagem);

private:
    QList<relatorios::ConstatacaoValidacao> m_lista;
};

} // namespace kelpa::validacao
