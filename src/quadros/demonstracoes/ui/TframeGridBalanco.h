#pragma once

#include "TfraQuadroTrimestral.h"

#include <memory>

namespace kelpa {

class DemonstracaoContabil;
class GradeValores;
class ModeloDemonstracao;

// Quadros 11, 12 and 13 (quadro number 16): the balance-sheet assets ("A"), the
// liabilities ("P") or the income statement ("R") of a quarter, as a chart of
// accounts. Amounts are written as they are accepted, with every total above them;
// "Confirmar" checks the statement, "Cancelar" puts back every amount as it was
// when the quarter was opened.
class TframeGridBalanco : public TfraQuadroTrimestral
{
    Q_OBJECT

public:
    TframeGridBalanco(ContextoQuadro &contexto, const QString &tipoConta, QWidget *parent = nullptr);
    ~TframeGridBalanco() override;

    QString TipoConta() const { return QString(m_tipo); }
    GradeValores *AdvStrGrdBalanco() const { return m_grade; }
    ModeloDemonstracao *modelo() const { return m_modelo; }
    // The statement shown; null while the quadro shows a notice.
    DemonstracaoContabil *demonstracao() const { return m_demonstracao.get(); }

protected:
    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void IncluiPeriodoFrame() override;
    void AlteraPeriodoFrame() override {}
    void EditaPeriodoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    void CancelaOperacaoFrame() override;
    bool CriticaDados() override;
    void FinalizaFrame() override;

private:
    QChar m_tipo;
    GradeValores *m_grade = nullptr;
    ModeloDemonstracao *m_modelo = nullptr;
    std::unique_ptr<DemonstracaoContabil> m_demonstracao;
};

} // namespace kelpa
