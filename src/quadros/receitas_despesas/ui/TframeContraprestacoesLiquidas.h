#pragma once

#include "quadros/demonstracoes/ui/TfraQuadroTrimestral.h"

#include "quadros/demonstracoes/ContraprestacoesLiquidas.h"

#include <QList>
#include <memory>

class QComboBox;
class QLabel;
class QRadioButton;
class QStackedWidget;

namespace kelpa {

class GradeValores;
class ModeloContraprestacoes;
class ModeloContraprestacoesBase;
class ModeloContraprestacoesUF;

// Quadro 8 (quadro number 9): the quarter's net consideration per state and plan
// kind. Four layouts: every state or the one state the operator works in, medical
// and dental plans or dental plans only. Amounts are written as each one is
// accepted; "Cancelar" puts back everything changed since the quarter was opened,
// the state choice included.
class TframeContraprestacoesLiquidas : public TfraQuadroTrimestral
{
    Q_OBJECT

public:
    explicit TframeContraprestacoesLiquidas(ContextoQuadro &contexto, QWidget *parent = nullptr);
    ~TframeContraprestacoesLiquidas() override;

    // Off at program start, on after each confirmation, off again when the edit button
    // is pressed: while on, a confirmation deletes the states without any amount.
    // Quadros 8 and 9 keep one each.
    static bool limpezaAtiva(LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas);
    static void setLimpezaAtiva(bool ativa, LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas);

    LadoReceitaDespesa lado() const { return m_lado; }

    QStackedWidget *paginas() const { return m_paginas; }
    QRadioButton *rbSim() const { return m_sim; }
    QRadioButton *rbNao() const { return m_nao; }
    QComboBox *cmbUF() const { return m_cmbUF; }
    GradeValores *grade(int pagina) const; // the amounts' grid of each page
    GradeValores *gradeTotais(int pagina) const; // the "Tot" row of pages 0 and 2
    QLabel *lblTotalGeral(int pagina) const;
    ModeloContraprestacoes *modelo(int pagina) const;
    ModeloContraprestacoesUF *modeloUF(int pagina) const;
    ContraprestacoesLiquidas *dados() const { return m_dados.get(); }
    QChar segmento() const { return m_segmento; }

protected:
    TframeContraprestacoesLiquidas(ContextoQuadro &contexto, LadoReceitaDespesa lado, QWidget *parent);

    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void IncluiPeriodoFrame() override;
    void AlteraPeriodoFrame() override;
    void EditaPeriodoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    void CancelaOperacaoFrame() override;
    bool CriticaDados() override;
    void FinalizaFrame() override;

private:
    // "Opera em apenas uma UF ?": the page, the state box and its state.
    void responder(bool umaUF, bool peloUsuario);
    void ufEscolhida(int indice);
    void mostrarPagina();
    void atualizarTotais();
    void confirmarEdicoes();
    QList<ModeloContraprestacoesBase *> modelos() const;

    LadoReceitaDespesa m_lado;
    std::unique_ptr<ContraprestacoesLiquidas> m_dados;
    QChar m_segmento = u'C';
    QWidget *m_painel = nullptr;
    QRadioButton *m_sim = nullptr;
    QRadioButton *m_nao = nullptr;
    QComboBox *m_cmbUF = nullptr;
    QStackedWidget *m_paginas = nullptr;
    QList<GradeValores *> m_grades;       // one per page
    QList<GradeValores *> m_gradesTotais; // pages 0 and 2; null elsewhere
    QList<QLabel *> m_totaisGerais;       // pages 0 and 2; null elsewhere
    ModeloContraprestacoes *m_med = nullptr;
    ModeloContraprestacoes *m_medTotais = nullptr;
    ModeloContraprestacoesUF *m_medUF = nullptr;
    ModeloContraprestacoes *m_odon = nullptr;
    ModeloContraprestacoes *m_odonTotais = nullptr;
    ModeloContraprestacoesUF *m_odonUF = nullptr;
};

// Quadro 9 (quadro number 11): the quarter's net indemnifiable events (claims, for an
// insurer) per state and plan kind; Quadro 8's twin on the expense columns.
class TframeIndenizaveisLiquidos : public TframeContraprestacoesLiquidas
{
    Q_OBJECT

public:
    explicit TframeIndenizaveisLiquidos(ContextoQuadro &contexto, QWidget *parent = nullptr);
};

} // namespace kelpa
