#pragma once

#include "quadros/demonstracoes/ui/TfraQuadroTrimestral.h"

#include "quadros/receitas_despesas/DespesasComercializacao.h"

#include <memory>

class QLineEdit;
class QStackedWidget;

namespace kelpa {

class GradeValores;
class ModeloDespesasComercializacao;

// Quadro 10 (quadro number 10): the quarter's selling expenses, item by item, for
// medical-hospital and for dental plans (dental plans only for a dental operator).
// Each amount is written as soon as it is accepted and the totals follow the typing;
// "Confirmar" closes, "Cancelar" puts back every amount and transmission state the
// quarter had when it was opened.
class TframeDespesas_Comercializacao : public TfraQuadroTrimestral
{
    Q_OBJECT

public:
    explicit TframeDespesas_Comercializacao(ContextoQuadro &contexto, QWidget *parent = nullptr);
    ~TframeDespesas_Comercializacao() override;

    QStackedWidget *paginas() const { return m_paginas; } // 0 sheMedOdo, 1 sheOdonto
    GradeValores *gradeMedica() const { return m_gradeMedica; }
    GradeValores *gradeOdonto() const { return m_gradeOdonto; }
    GradeValores *gradeOdontologico() const { return m_gradeOdontologico; } // the dental-only page
    ModeloDespesasComercializacao *modeloMedico() const { return m_medico; }
    ModeloDespesasComercializacao *modeloOdonto() const { return m_odonto; }
    QLineEdit *edtTotalMedico() const { return m_totalMedico; }
    QLineEdit *edtTotalOdonto() const { return m_totalOdonto; }
    QLineEdit *edtTotalGeral() const { return m_totalGeral; }
    QLineEdit *edtTotalOdontologico() const { return m_totalOdontologico; }
    DespesasComercializacao *dados() const { return m_dados.get(); }

protected:
    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void IncluiPeriodoFrame() override;
    void AlteraPeriodoFrame() override;
    void EditaPeriodoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    void CancelaOperacaoFrame() override;
    bool CriticaDados() override;
    void FinalizaFrame() override {}

private:
    QList<GradeValores *> grades() const;
    void confirmarEdicoes();
    void atualizarTotais();
    // Enter on the last item of one grid goes on to the first of the other.
    void passarParaOutraGrade(GradeValores *de);

    std::unique_ptr<DespesasComercializacao> m_dados;
    QStackedWidget *m_paginas = nullptr;
    ModeloDespesasComercializacao *m_medico = nullptr;
    ModeloDespesasComercializacao *m_odonto = nullptr;
    GradeValores *m_gradeMedica = nullptr;
    GradeValores *m_gradeOdonto = nullptr;
    GradeValores *m_gradeOdontologico = nullptr;
    QLineEdit *m_totalMedico = nullptr;
    QLineEdit *m_totalOdonto = nullptr;
    QLineEdit *m_totalGeral = nullptr;
    QLineEdit *m_totalOdontologico = nullptr;
};

} // namespace kelpa
