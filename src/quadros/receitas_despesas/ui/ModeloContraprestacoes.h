#pragma once

#include "quadros/demonstracoes/ContraprestacoesLiquidas.h"
#include "quadros/demonstracoes/ui/ModeloValores.h"

namespace kelpa {

// The amount being typed in Quadro 8 or 9, not yet accepted: every total shows what it
// will become, in whichever grid it appears.
struct PreviaContraprestacao {
    QString uf;
    int coluna = -1; // a LinhaReceitaUF::Coluna; -1 when nothing is being typed
    Moeda valor;
    bool ativa() const { return coluna >= 0; }
};

// What the grids of Quadros 8 and 9 share: the quarter's rows, the hints, the
// insurer wording, and amounts that are written as soon as they are accepted. The
// side (revenues for Quadro 8, expenses for Quadro 9) picks the columns and words.
class ModeloContraprestacoesBase : public ModeloValores
{
    Q_OBJECT

public:
    using ModeloValores::ModeloValores;

    // The quarter's rows (not owned; null shows nothing) and its plan segment ("C" or "O").
    void setDados(ContraprestacoesLiquidas *dados, QChar segmento);
    ContraprestacoesLiquidas *dados() const { return m_dados; }
    void setLado(LadoReceitaDespesa lado);
    LadoReceitaDespesa lado() const { return m_lado; }
    // The column of this side standing where `deReceita` stands among the revenues.
    LinhaReceitaUF::Coluna colunaDoLado(LinhaReceitaUF::Coluna deReceita) const { return LinhaReceitaUF::coluna(m_lado, deReceita); }
    QChar segmento() const { return m_segmento; }
    void setDicas(const DicasContraprestacoes &dicas);
    void setOperadoraDePlanos(bool operadoraDePlanos);
    void setPrevia(const PreviaContraprestacao &previa);

    // A state's row as shown: the amount being typed in place of the stored one.
    LinhaReceitaUF linhaExibida(const LinhaReceitaUF &linha) const;
    // The "Tot" row: the sums over every state, as shown.
    LinhaReceitaUF totaisExibidos() const;

    bool setData(const QModelIndex &indice, const QVariant &valor, int papel = Qt::EditRole) override;
    QString previa(const QModelIndex &indice, const QString &texto) override;
    void encerrarPrevia() override;
    bool aceitaNegativo(const QModelIndex &) const override { return false; }

    QString dicaDa(LinhaReceitaUF::Coluna coluna) const;

signals:
    void previaMudou(const PreviaContraprestacao &previa);

protected:
    // The state and column a cell writes to; false for cells that are not typed.
    virtual bool alvo(const QModelIndex &indice, QString *uf, LinhaReceitaUF::Coluna *coluna) const = 0;
    // Lays the rows and columns out again for the segment and wording (inside a model reset).
    virtual void recompor() {}

    ContraprestacoesLiquidas *m_dados = nullptr;
    LadoReceitaDespesa m_lado = LadoReceitaDespesa::Receitas;
    QChar m_segmento = u'C';
    bool m_operadoraDePlanos = true;
    DicasContraprestacoes m_dicas;
    PreviaContraprestacao m_previa;
};

// The grid of every state (pages "tbsMed" and "tbsOdon"), or its "Tot" row.
class ModeloContraprestacoes : public ModeloContraprestacoesBase
{
    Q_OBJECT

public:
    struct ColunaGrade {
        enum Tipo { UF, Valor, TotalMedico, TotalOdonto } tipo = UF;
        LinhaReceitaUF::Coluna coluna = LinhaReceitaUF::RectPre;
        QString titulo;
    };

    // `totais`: the single read-only "Tot" row under the grid.
    explicit ModeloContraprestacoes(bool totais, QObject *parent = nullptr);

    static QList<ColunaGrade> colunasDoSegmento(QChar segmento, LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas);
    const QList<ColunaGrade> &colunas() const { return m_colunas; }
    bool totais() const { return m_totais; }
    QModelIndex indiceDe(const QString &uf, LinhaReceitaUF::Coluna coluna) const;

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

protected:
    void recompor() override;
    bool alvo(const QModelIndex &indice, QString *uf, LinhaReceitaUF::Coluna *coluna) const override;

private:
    static QList<ColunaGrade> colunasDeReceita(QChar segmento);
    LinhaReceitaUF linhaDa(int linha) const;

    bool m_totais;
    QList<ColunaGrade> m_colunas;
};

// The amounts of the one state the operator works in (pages "tbsMedUF" and "tbsOdonUF").
class ModeloContraprestacoesUF : public ModeloContraprestacoesBase
{
    Q_OBJECT

public:
    struct Item {
        enum Tipo { Grupo, Valor, TotalMedico, TotalOdonto, TotalGeral } tipo = Valor;
        LinhaReceitaUF::Coluna coluna = LinhaReceitaUF::RectPre;
        QString rotulo;
        bool odonto = false; // for group headings: which group
    };

    explicit ModeloContraprestacoesUF(QObject *parent = nullptr);

    QList<Item> itensDoSegmento(QChar segmento) const;
    void setUF(const QString &uf);
    QString uf() const { return m_uf; }
    QModelIndex indiceDe(LinhaReceitaUF::Coluna coluna) const;

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

protected:
    void recompor() override;
    bool alvo(const QModelIndex &indice, QString *uf, LinhaReceitaUF::Coluna *coluna) const override;

private:
    const LinhaReceitaUF *linhaDaUF() const;

    QString m_uf;
    QList<Item> m_itens;
};

} // namespace kelpa
