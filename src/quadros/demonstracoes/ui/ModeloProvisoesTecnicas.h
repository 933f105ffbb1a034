#pragma once

#include "ModeloValores.h"

#include "quadros/demonstracoes/ProvisoesTecnicas.h"


namespace kelpa {

// Quadro 14's provisions as a column of captions with dot leaders and their amounts:
// the typed ones on the window colour, the computed ones ("Outras" and "Remissão"
// from 2005, "Total Geral:") in bold on the button face. The figures stay in the
// quadro until "Confirmar".
class ModeloProvisoesTecnicas : public ModeloValores
{
    Q_OBJECT

public:
    enum ColunaGrade { Descricao = 0, Valor = 1 };

    struct Linha {
        int campo = -1; // a ProvisoesTecnicas::Campo; -1 for "Total Geral:"
        QString rotulo; // indented, with its dots
        QString dica;
    };
    // The lines of the quarter's layout, top to bottom, with their hints.
    static QList<Linha> linhasDoLeiaute(const QDate &trimestre);

    using ModeloValores::ModeloValores;

    void setDados(ProvisoesTecnicas *provisoes); // not owned; null empties the grid
    QModelIndex indiceDoCampo(int campo) const;  // -1: the total
    const QList<Linha> &linhas() const { return m_linhas; }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indice, const QVariant &valor, int papel = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;

    QString previa(const QModelIndex &indice, const QString &texto) override;
    void encerrarPrevia() override;

private:
    bool calculada(const Linha &linha) const;
    Moeda valorExibido(const Linha &linha) const;

    QList<Linha> m_linhas;
    ProvisoesTecnicas *m_provisoes = nullptr;
    PreviaValores<ProvisoesTecnicas> m_previa;
};

} // namespace kelpa
