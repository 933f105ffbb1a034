#pragma once

#include "TfraQuadroTrimestral.h"
#include "quadros/base/ui/PainelSelecaoImpressao.h"

#include <QList>

class QCheckBox;
class QPushButton;

namespace kelpa {

// A printing selector of a quarter: the user picks a quarter and any of the quadros
// offered, and "Visualizar" names those without data and previews the others as one
// document. It has no data of its own: no period buttons, no "Confirmar";
// "Retornar" closes.
class TfraImpressaoTrimestre : public TfraQuadroTrimestral
{
    Q_OBJECT

public:
    using Opcao = PainelSelecaoImpressao::Opcao;

    PainelSelecaoImpressao *painel() const { return m_painel; }
    QList<QCheckBox *> opcoes() const { return m_painel->caixas(); }
    QCheckBox *opcao(const QString &chave) const { return m_painel->caixa(chave); }
    QPushButton *btnMarcarTodos() const { return m_painel->btnMarcarTodos(); }
    QPushButton *btnDesmarcarTodos() const { return m_painel->btnDesmarcarTodos(); }
    QPushButton *btnVisualizar() const { return m_painel->btnVisualizar(); }

protected:
    TfraImpressaoTrimestre(ContextoQuadro &contexto, const QString &titulo, const QList<Opcao> &opcoes,
                           QString semSelecao, QString separadorSemDados, QWidget *parent);

    QList<QDate> PreparaQueryComboPeriodo() override { return listaTrimestres(false); }
    void InicializaFrame() override;
    void AlteraPeriodoFrame() override;
    void IncluiPeriodoFrame() override {}
    void CopiaPeriodoFrame() override {}
    void ExcluiPeriodoFrame() override {}
    void EditaPeriodoFrame() override {}
    void HabilitaPeriodoFrame(bool) override {}
    void CancelaOperacaoFrame() override {}
    void FinalizaFrame() override {}

private:
    void esconderBotoesSemUso();

    PainelSelecaoImpressao *m_painel = nullptr;
    QString m_semSelecao;
    QString m_separadorSemDados;
};

// "Impressão de Demonstrações" (quadro number 18): the financial statements of a quarter.
class TFrameImpDemonstracao : public TfraImpressaoTrimestre
{
    Q_OBJECT

public:
    explicit TFrameImpDemonstracao(ContextoQuadro &contexto, QWidget *parent = nullptr);
};

} // namespace kelpa
