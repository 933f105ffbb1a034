#pragma once

#include "ModeloValores.h"

#include "quadros/demonstracoes/IdadeSaldo.h"

#include <optional>

namespace kelpa {

// One page of the ages of balances: the seven age rows and "T O T A L" down, the
// columns of receivables (page "CONTAS DE ATIVO", with the T O T A L of the three
// plan columns) or of payables ("CONTAS DE PASSIVO") across.
class ModeloIdadeSaldo : public ModeloValores
{
    Q_OBJECT

public:
    static constexpr int ColunaTotal = -1; // the T O T A L of the three plan columns
    static constexpr int LinhaTotal = IdadeSaldo::Faixas;

    ModeloIdadeSaldo(bool ativo, bool operadoraDePlanos, QObject *parent = nullptr);

    void setDados(IdadeSaldo *idade); // not owned
    void setOperadoraDePlanos(bool operadoraDePlanos);
    bool ativo() const { return m_ativo; }
    // Each grid column: an index of IdadeSaldo::colunas(), or ColunaTotal.
    const QList<int> &colunas() const { return m_colunas; }
    QModelIndex indiceDoCodigo(const QString &codigo) const;
    static QStringList rotulosFaixas();

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indice, const QVariant &valor, int papel = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    QString previa(const QModelIndex &indice, const QString &texto) override;
    void encerrarPrevia() override;
    bool aceitaNegativo(const QModelIndex &) const override { return true; }
    int tamanhoMaximo(const QModelIndex &) const override { return 13; }

private:
    QString codigoDa(const QModelIndex &indice) const; // empty for totals
    Moeda quantia(const IdadeSaldo &idade, int linha, int coluna) const;
    const IdadeSaldo *exibido() const { return m_previa ? &*m_previa : m_idade; }

    bool m_ativo;
    bool m_operadoraDePlanos;
    QList<int> m_colunas;
    IdadeSaldo *m_idade = nullptr;
    std::optional<IdadeSaldo> m_previa;
    QPersistentModelIndex m_emEdicao;
};

} // namespace kelpa
