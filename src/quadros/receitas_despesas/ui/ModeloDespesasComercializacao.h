#pragma once

#include "quadros/demonstracoes/ui/ModeloValores.h"
#include "quadros/receitas_despesas/DespesasComercializacao.h"

#include <QStringList>
#include <optional>

namespace kelpa {

// One grid of Quadro 10: the items of one plan kind, their descriptions (with the
// item's explanation as hint) and their amounts, each written as soon as it is
// accepted. While an amount is typed the quadro's totals show what they will become.
class ModeloDespesasComercializacao : public ModeloValores
{
    Q_OBJECT

public:
    enum Coluna { Descricao = 0, Valor = 1, Colunas = 2 };

    // The amount being typed, not yet accepted.
    struct Previa {
        QString codigo;
        Moeda valor;
    };

    ModeloDespesasComercializacao(QChar tipo, QObject *parent = nullptr);

    // The quarter's items (not owned; null shows nothing).
    void setDados(DespesasComercializacao *dados);
    QChar tipo() const { return m_tipo; }
    QModelIndex indiceDe(const QString &codigo) const;
    const std::optional<Previa> &previaAtual() const { return m_previa; }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indice, const QVariant &valor, int papel = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    QString previa(const QModelIndex &indice, const QString &texto) override;
    void encerrarPrevia() override;

signals:
    void previaMudou();

private:
    const ItemDespesaComerc *itemDa(int linha) const;

    QChar m_tipo;
    DespesasComercializacao *m_dados = nullptr;
    QStringList m_codigos; // the rows, in code order
    std::optional<Previa> m_previa;
};

} // namespace kelpa
