#pragma once

#include "quadros/base/ui/PainelSelecaoImpressao.h"
#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"

class QDateEdit;

namespace kelpa {

// "Impressão de Dados Cadastrais" (quadro number 8): the registration quadros as they
// stood on a date the user gives. "Visualizar" names the quadros without data on
// that date and previews the others as one document; "Retornar" closes.
class TfrmImpressaoDadosCadastrais : public TfraModeloQuadroPeriodo
{
    Q_OBJECT

public:
    explicit TfrmImpressaoDadosCadastrais(ContextoQuadro &contexto, QWidget *parent = nullptr);

    PainelSelecaoImpressao *painel() const { return m_painel; }
    QDateEdit *DateEdit1() const { return m_data; }

protected:
    QList<QDate> PreparaQueryComboPeriodo() override { return {}; }
    void InicializaFrame() override;
    void FinalizaFrame() override {}
    void EditaPeriodoFrame() override {}
    void CopiaPeriodoFrame() override {}
    void IncluiPeriodoFrame() override {}
    void AlteraPeriodoFrame() override {}
    void ExcluiPeriodoFrame() override {}
    void CancelaOperacaoFrame() override {}
    void HabilitaPeriodoFrame(bool) override {}

private:
    PainelSelecaoImpressao *m_painel = nullptr;
    QDateEdit *m_data = nullptr;
};

} // namespace kelpa
