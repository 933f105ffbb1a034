#pragma once

#include "TfraQuadroGradeCadastro.h"

#include "quadros/cadastro/Acionistas.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kelpa {

// "Quadro 5: Acionistas/Quotistas": the operator's total of shares or quotas, whether
// its capital is wholly spread out, and the holders of each period with their shares
// and percentage. Each holder is saved by its dialog; the total and the answer when
// the quadro is confirmed (and before a holder is saved, which is measured against
// the total). The quadro is not left while the holders add up to more than the total.
class TfrmGridAcionistas : public TfraQuadroGradeCadastro
{
    Q_OBJECT

public:
    TfrmGridAcionistas(ContextoQuadro &contexto, QWidget *parent = nullptr);

    const QList<Participacao> &lista() const { return m_lista; }
    QLineEdit *dedCotas() const { return m_total; }
    QRadioButton *rbtPulvSim() const { return m_sim; }
    QRadioButton *rbtPulvNao() const { return m_nao; }
    QWidget *pnlPulverizado() const { return m_pergunta; }
    QLabel *lblPulverizados() const { return m_pulverizados; }

protected:
    QList<LinhaGrade> leLinhas(const QDate &periodo, int coluna, bool decrescente) override;
    QString motivoIndisponivel() override;
    void incluiLinha() override;
    void editaLinha(int linha) override;
    QString perguntaExclusao() const override { return QStringLiteral("Deseja excluir o Registro ?"); }
    void excluiLinha(int linha) override;

    void InicializaFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    bool CriticaDados() override;
    bool CriticaCancelar() override;

private:
    void abreDialogo(const Participacao &linha);
    void mostraPulverizado();
    void alterado();
    // The header as typed; false (after telling) when it is incomplete.
    CabecalhoAcionistas cabecalhoDigitado() const;
    void gravaCabecalhoPendente();

    Acionistas m_acionistas;
    QList<Participacao> m_lista;
    CabecalhoAcionistas m_cabecalho;
    bool m_perguntaPulverizado = true;
    bool m_alterado = false;

    QWidget *m_pergunta = nullptr;
    QRadioButton *m_sim = nullptr;
    QRadioButton *m_nao = nullptr;
    QLineEdit *m_total = nullptr;
    QLabel *m_pulverizados = nullptr;
};

} // namespace kelpa
