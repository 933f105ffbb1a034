#pragma once

#include "ModeloValores.h"

#include "quadros/demonstracoes/LucrosPrejuizos.h"

namespace kelpa {

// Quadro 16 as one grid, top to bottom: the balance at 31 December of the previous
// year, one line per item with its movement in the quarter ("No Trimestre", the
// column the user types) and since the start of the year ("ACUMULADO"), the year's
// movement and the current balance. The computed amounts follow the typing; the
// figures stay in the quadro until "Confirmar".
class ModeloLucrosPrejuizos : public ModeloValores
{
    Q_OBJECT

public:
    enum ColunaGrade { Descricao = 0, Trimestre = 1, Acumulado = 2 };

    static const QString RotuloSaldoAnterior;
    static const QString RotuloMovimento;
    static const QString RotuloSaldoAtual;
    static const QString DicaSaldoAnterior;
    static const QString DicaSaldoAtual;

    using ModeloValores::ModeloValores;

    void setDados(LucrosPrejuizos *dados); // not owned; null empties the grid

    // The lines around the items.
    int linhaSaldoAnterior() const { return 0; }
    int linhaItem(int item) const { return item + 1; }
    int linhaMovimento() const;
    int linhaSaldoAtual() const;
    QModelIndex indiceSaldoAnterior() const { return index(linhaSaldoAnterior(), Acumulado); }
    QModelIndex indiceItem(int item) const { return index(linhaItem(item), Trimestre); }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indice, const QVariant &valor, int papel = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;

    QString previa(const QModelIndex &indice, const QString &texto) override;
    void encerrarPrevia() override;

private:
    // The amount a cell shows (nothing for the cells without one) in `dados`.
    std::optional<Moeda> valor(const LucrosPrejuizos &dados, const QModelIndex &indice) const;
    bool informar(LucrosPrejuizos &dados, const QModelIndex &indice, Moeda valor) const;
    bool calculada(const QModelIndex &indice) const;

    LucrosPrejuizos *m_dados = nullptr;
    PreviaValores<LucrosPrejuizos> m_previa;
};

} // namespace kelpa
