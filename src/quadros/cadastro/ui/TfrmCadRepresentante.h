#pragma once

#include "BlocoEndereco.h"

#include "quadros/cadastro/Representante.h"

#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;

namespace kelpa {

// "Quadro 4: Representante junto à QOR": for each period, the administrator who
// represents the operator before the regulator, with the CPF, home address and phones
// of the person register (changed through the person dialog, never here). The person
// chosen is kept by its number. Confirm saves in one transaction; Cancel writes nothing.
class TfrmCadRepresentante : public TfraModeloQuadroPeriodo
{
    Q_OBJECT

public:
    TfrmCadRepresentante(ContextoQuadro &contexto, QWidget *parent = nullptr);

    bool editando() const { return m_editando; }
    int idPessoa() const { return m_idPsoa; }
    QWidget *pnlDados() const { return m_painel; }
    QLineEdit *cmbNome() const { return m_nome; }
    QToolButton *btSeleciona() const { return m_btSeleciona; }
    QToolButton *btManutencaoPessoa() const { return m_btManutencao; }
    QLineEdit *edtCPF() const { return m_cpf; }
    const CaixasEndereco &endereco() const { return m_endereco; }
    QLineEdit *edtEmail() const { return m_email; }
    QTableWidget *grdTelefones() const { return m_telefones; }

    // What the name's buttons do, for callers and tests.
    void SelecionaRepresentante();
    void AlteraPessoa();

protected:
    QList<QDate> PreparaQueryComboPeriodo() override;
    void InicializaFrame() override;
    void EditaPeriodoFrame() override;
    void CopiaPeriodoFrame() override;
    void IncluiPeriodoFrame() override;
    void AlteraPeriodoFrame() override {}
    void ExcluiPeriodoFrame() override;
    void CancelaOperacaoFrame() override;
    void HabilitaPeriodoFrame(bool habilita) override;
    bool CriticaDados() override;
    bool CriticaCancelar() override;
    void FinalizaFrame() override {}

private:
    // Shows the person of that number (nobody when it is not an administrator).
    void mostraPessoa(int idPsoa);
    bool avisaSemRepresentante();

    Representante m_representante;
    LinhaRepresentante m_linha;
    int m_idPsoa = 0;
    bool m_alterado = false;
    bool m_editando = false;
    bool m_indisponivel = false;

    QWidget *m_painel = nullptr;
    QLineEdit *m_nome = nullptr;
    QToolButton *m_btSeleciona = nullptr;
    QToolButton *m_btManutencao = nullptr;
    QLineEdit *m_cpf = nullptr;
    CaixasEndereco m_endereco;
    QLineEdit *m_email = nullptr;
    QTableWidget *m_telefones = nullptr;
};

} // namespace kelpa
