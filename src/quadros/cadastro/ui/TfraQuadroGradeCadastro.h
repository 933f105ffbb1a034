#pragma once

#include "quadros/cadastro/PeriodosQuadroCadastro.h"

#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"

#include <QAbstractTableModel>
#include <QStringList>

class QTableView;
class QToolButton;
class QVBoxLayout;

namespace kelpa {

// A column of a registration list: its title, width, and whether it shows.
struct ColunaGrade {
    QString titulo;
    int largura = 100;
    bool visivel = true;
    bool ordenavel = true; // a computed column orders nothing
};

// A line of a registration list as shown: one text per column and the row's
// transmission state, which colours it.
struct LinhaGrade {
    QStringList celulas;
    QString estadoTransmissao;
};

// The rows of a registration list, with the ordering column painted cream.
class ModeloGradeCadastro : public QAbstractTableModel
{
    Q_OBJECT

public:
    ModeloGradeCadastro(QList<ColunaGrade> colunas, QObject *parent = nullptr);

    void setLinhas(QList<LinhaGrade> linhas, int colunaOrdenada);
    const QList<ColunaGrade> &colunas() const { return m_colunas; }
    int colunaOrdenada() const { return m_colunaOrdenada; }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    static constexpr int PapelColunaOrdenada = Qt::UserRole + 101;

private:
    QList<ColunaGrade> m_colunas;
    QList<LinhaGrade> m_linhas;
    int m_colunaOrdenada = 0;
    int m_colunaInicial = 0;
};

// Base of the registration quadros kept as a list of rows per period (administrators,
// shareholders, controlled companies, branches, assets): the grid ordered by a
// clicked column title, the include, delete and edit buttons, and the periods created
// empty or copied and deleted with their rows. Every change is saved at once by a
// dialog or a button, so the quadro has only a close button. A quadro states its
// tables, columns, rows and what its buttons open. A register not kept by periods
// (assets, real estate) gives tables without a header: it shows no period box and
// its only button, "Cancelar", closes it.
class TfraQuadroGradeCadastro : public TfraModeloQuadroPeriodo
{
    Q_OBJECT

public:
    struct Dicas {
        QString incluir;
        QString excluir;
        QString editar;
    };

    TfraQuadroGradeCadastro(ContextoQuadro &contexto, const QString &titulo, QList<ColunaGrade> colunas,
                            const TabelasPeriodo &tabelas, const Dicas &dicas, QWidget *parent = nullptr);

    QToolButton *btIncluir() const { return m_btIncluir; }
    QToolButton *btExcluir() const { return m_btExcluir; }
    QToolButton *btEditar() const { return m_btEditar; }
    QTableView *grade() const { return m_grade; }
    ModeloGradeCadastro *modelo() const { return m_modelo; }
    // The current row (-1 when none).
    int linhaAtual() const;
    bool indisponivel() const { return m_indisponivel; }
    bool decrescente() const { return m_decrescente; }
    bool semPeriodos() const { return m_semPeriodos; }

    // What the buttons and the column titles do, for callers and tests.
    void Incluir();
    void Editar();
    void Excluir();
    void ordenarPor(int coluna);

protected:
    // --- what each list quadro states -------------------------------------------
    // The period's rows ordered by a column; the quadro keeps its own copy of them.
    virtual QList<LinhaGrade> leLinhas(const QDate &periodo, int coluna, bool decrescente) = 0;
    // Opens the dialog for a new row (or the row `linha`); the list is read again afterwards.
    virtual void incluiLinha() = 0;
    virtual void editaLinha(int linha) = 0;
    // False (after telling why) when the row may not go.
    virtual bool podeExcluir(int linha);
    virtual QString perguntaExclusao() const { return QStringLiteral("Deseja excluir o registro?"); }
    virtual void excluiLinha(int linha) = 0;
    // Rows already transmitted cannot go in some quadros: the delete button follows the current row.
    void setExcluiApenasNaoTransmitidas(bool apenas) { m_apenasNaoTransmitidas = apenas; }
    // The column a freshly loaded list is ordered by (the first one unless said).
    void setColunaOrdemInicial(int coluna) { m_colunaInicial = coluna; }
    // Why the quadro cannot be used for this operator (shown over it); empty when it can.
    virtual QString motivoIndisponivel() { return {}; }
    // The current row changed (-1: none); a quadro shows its details.
    virtual void linhaAtualMudou(int linha);
    // After a period is loaded, with its conditions (what shows, who is chosen).
    virtual void periodoCarregado(const QDate &periodo);

    // Where a quadro puts what it shows above and below the grid.
    QVBoxLayout *areaAcima() const { return m_acima; }
    QVBoxLayout *areaAbaixo() const { return m_abaixo; }
    // The buttons, the grid and both areas: hidden while the quadro cannot be used.
    QWidget *painelGrade() const { return m_painel; }
    // Reads the rows again, keeping the order and the current row.
    void recarrega();

    // --- the quadro operations, the same for every list --------------------------
    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void EditaPeriodoFrame() override;
    void CopiaPeriodoFrame() override;
    void IncluiPeriodoFrame() override;
    void AlteraPeriodoFrame() override {}
    void ExcluiPeriodoFrame() override;
    void CancelaOperacaoFrame() override {}
    void HabilitaPeriodoFrame(bool habilita) override;
    void FinalizaFrame() override {}

private:
    void habilitaBotoes();
    bool linhaExcluivel(int linha) const;

    PeriodosQuadroCadastro m_periodos;
    ModeloGradeCadastro *m_modelo = nullptr;
    QTableView *m_grade = nullptr;
    QToolButton *m_btIncluir = nullptr;
    QToolButton *m_btExcluir = nullptr;
    QToolButton *m_btEditar = nullptr;
    QVBoxLayout *m_acima = nullptr;
    QVBoxLayout *m_abaixo = nullptr;
    QWidget *m_painel = nullptr;
    int m_colunaOrdenada = 0;
    int m_colunaInicial = 0;
    bool m_decrescente = false;
    bool m_edicaoLiberada = false;
    bool m_indisponivel = false;
    bool m_apenasNaoTransmitidas = false;
    bool m_semPeriodos = false;
};

} // namespace kelpa
