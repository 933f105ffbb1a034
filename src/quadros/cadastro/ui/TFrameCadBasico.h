#pragma once

#include "quadros/cadastro/DadosBasicos.h"

#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

namespace kelpa {

// "Quadro 2: Dados Básicos": foundation, employees and the persons responsible for the
// accounts, actuarial work and audit. Each responsible keeps the number of the person
// picked or created for it. Confirm saves in one transaction; Cancel writes nothing.
class TFrameCadBasico : public TfraModeloQuadroPeriodo
{
    Q_OBJECT

public:
    TFrameCadBasico(ContextoQuadro &contexto, QWidget *parent = nullptr);

    struct LinhaResponsavel {
        QLabel *rotulo = nullptr;
        QLineEdit *nome = nullptr;
        QToolButton *btnSeleciona = nullptr;
        QToolButton *btnInclui = nullptr;
        QLineEdit *registro = nullptr;
    };

    bool editando() const { return m_editando; }
    const PeriodoDadosBasicos &dados() const { return m_dados; }
    QWidget *pnlDados() const { return m_painel; }
    QLineEdit *dtFundacao() const { return m_fundacao; }
    QLineEdit *medQtdeFunc() const { return m_funcionarios; }
    QLineEdit *edtPatrimonio() const { return m_patrimonio; }
    // 1 accounting, 2 actuarial, 3 audit.
    const LinhaResponsavel &linha(int tipo) const { return m_linhas.at(static_cast<size_t>(tipo - 1)); }

    // What the row buttons do, for callers and tests.
    void SelecionaResponsaveis(int tipo);
    void IncluiPessoa(int tipo);
    // Emptying a name: refused for a responsible already transmitted.
    void RetiraResponsavel(int tipo);
    // Records the person picked or created for a kind (its number, not its name).
    void escolhePessoa(int tipo, int idPsoa);

protected:
    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void EditaPeriodoFrame() override;
    void CopiaPeriodoFrame() override;
    void IncluiPeriodoFrame() override;
    void AlteraPeriodoFrame() override;
    void ExcluiPeriodoFrame() override;
    void CancelaOperacaoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    bool CriticaDados() override;
    void FinalizaFrame() override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void mostra();
    bool coleta();
    bool conferirFundacao();
    void alterado();
    void avisa(const QString &texto);

    DadosBasicos m_basicos;
    PeriodoDadosBasicos m_dados;
    QString m_modalidade;
    bool m_editando = false;
    bool m_mostrando = false;
    bool m_gravado = false;
    bool m_editarNovo = false;
    bool m_indisponivel = false;

    QWidget *m_painel = nullptr;
    QLabel *m_lblFundacao = nullptr;
    QLineEdit *m_fundacao = nullptr;
    QLabel *m_lblFuncionarios = nullptr;
    QLineEdit *m_funcionarios = nullptr;
    QLineEdit *m_patrimonio = nullptr;
    std::array<LinhaResponsavel, 3> m_linhas;
};

} // namespace kelpa
