#pragma once

#include "quadros/demonstracoes/ui/ModeloValores.h"
#include "quadros/receitas_despesas/ValoresCabecalhoTrimestre.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace kelpa {

// The amounts of Quadros 9A and 8A as a small table laid out by the quadro: captions,
// the fields the user types (kept in the quadro until "Confirmar") and the shares
// and totals computed from them, which follow the typing before it is accepted.
class ModeloValoresCabecalho : public ModeloValores
{
    Q_OBJECT

public:
    struct Celula {
        enum Tipo { Vazia, Rotulo, Campo, Calculada } tipo = Vazia;
        QString texto;                 // a caption
        int campo = -1;                // a field of the header row
        std::function<QString()> calculo; // a share or a total, from the figures as shown
        QString dica;
        bool negrito = false;
    };
    using Linha = QList<Celula>;

    static Celula rotulo(const QString &texto, bool negrito = false) { return {Celula::Rotulo, texto, -1, {}, {}, negrito}; }
    static Celula campo(int campo, const QString &dica) { return {Celula::Campo, {}, campo, {}, dica, false}; }
    static Celula calculada(std::function<QString()> calculo, bool negrito = false)
    {
        return {Celula::Calculada, {}, -1, std::move(calculo), {}, negrito};
    }

    using ModeloValores::ModeloValores;

    void setLeiaute(const QStringList &titulos, const QList<Linha> &linhas);
    void setDados(ValoresCabecalhoTrimestre *dados); // not owned; null empties the table
    QModelIndex indiceDoCampo(int campo) const;
    // A row of a caption alone (a group's heading), which takes the whole width.
    bool titulo(int linha) const { return linha >= 0 && linha < m_linhas.size() && m_linhas.at(linha).size() == 1; }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indice, const QVariant &valor, int papel = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    QString previa(const QModelIndex &indice, const QString &texto) override;
    void encerrarPrevia() override;

private:
    const Celula *celula(const QModelIndex &indice) const;

    QStringList m_titulos;
    QList<Linha> m_linhas;
    ValoresCabecalhoTrimestre *m_dados = nullptr;
    // The field being typed in and what it held before, put back unless accepted.
    std::optional<std::pair<int, std::optional<Moeda>>> m_antesDaPrevia;
};

} // namespace kelpa
