#pragma once

#include "ModeloValores.h"

#include "quadros/demonstracoes/DemonstracaoContabil.h"

#include <QHash>

namespace kelpa {

// The statements grid: one row per account in display order, the indented
// description and the amount. Entered accounts take typed amounts, which are
// written at once with every total above them; while an amount is being typed the
// totals above it show, in italics, what they will become.
class ModeloDemonstracao : public ModeloValores
{
    Q_OBJECT

public:
    enum Coluna { Descricao = 0, Valor = 1, Colunas = 2 };

    explicit ModeloDemonstracao(QObject *parent = nullptr);

    // The statement shown (not owned; null shows nothing).
    void setDemonstracao(DemonstracaoContabil *demonstracao);
    DemonstracaoContabil *demonstracao() const { return m_demonstracao; }
    // Entered accounts are editable on the newest quarter, or on an older one in edit mode.
    void setEdicao(bool ultimoTrimestre, bool modoEdicao);

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indice, const QVariant &valor, int papel = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    QString previa(const QModelIndex &indice, const QString &texto) override;
    void encerrarPrevia() override;

private:
    void avisarLinhas(const QList<int> &linhas);

    DemonstracaoContabil *m_demonstracao = nullptr;
    bool m_ultimoTrimestre = true;
    bool m_modoEdicao = false;
    QHash<QString, QList<int>> m_filhos;
    QHash<int, Moeda> m_previa; // rows whose amount would change, with the amount
    int m_linhaEmEdicao = -1;
};

} // namespace kelpa
