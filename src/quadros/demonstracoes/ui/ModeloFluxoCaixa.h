#pragma once

#include "ModeloValores.h"

#include "quadros/demonstracoes/FluxoCaixa.h"


namespace kelpa {

// One page of the cash flow as a grid: a caption per line and its amount in one of
// the page's value columns. The figures stay in the quadro until "Confirmar".
class ModeloFluxoCaixa : public ModeloValores
{
    Q_OBJECT

public:
    struct Linha {
        QString codigo; // "000", "101", ... "015"
        QString rotulo;
        int coluna = 1; // the value column that holds the amount
        bool calculada = false;
    };

    ModeloFluxoCaixa(QStringList titulosValores, QList<Linha> linhas, QObject *parent = nullptr);

    // The pages of the quadro: the summary, then the three activities.
    static QList<Linha> linhasDaPagina(int pagina);
    static QStringList titulosDaPagina(int pagina);
    static QString dicaSaldoFinal();

    void setDados(FluxoCaixa *fluxo); // not owned
    QModelIndex indiceDoCodigo(const QString &codigo) const;
    const QList<Linha> &linhas() const { return m_linhas; }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indice, const QVariant &valor, int papel = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    QString previa(const QModelIndex &indice, const QString &texto) override;
    void encerrarPrevia() override;

private:
    bool celulaDoValor(const QModelIndex &indice) const;
    const FluxoCaixa *exibido() const { return m_previa.exibido(m_fluxo); }

    QStringList m_titulos;
    QList<Linha> m_linhas;
    FluxoCaixa *m_fluxo = nullptr;
    PreviaValores<FluxoCaixa> m_previa;
};

} // namespace kelpa
