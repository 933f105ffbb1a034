#pragma once

#include "TfraQuadroLinhaTrimestre.h"

#include "quadros/demonstracoes/InformacoesGerais.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kelpa {

// "Informações Gerais" (quadro number 26): per quarter, the total of beneficiaries
// (quarters before 2005, never for plan administrators) or the number of employees
// (from 2005), and the suggestions, justifications and comments that go with the
// submission. What is typed stays in the quadro until "Confirmar".
class TfrmInfoGerais : public TfraQuadroLinhaTrimestre
{
    Q_OBJECT

public:
    explicit TfrmInfoGerais(ContextoQuadro &contexto, QWidget *parent = nullptr);
    ~TfrmInfoGerais() override;

    QLineEdit *edtBeneficiarios() const { return m_edtBeneficiarios; }
    QLineEdit *edtFuncionarios() const { return m_edtFuncionarios; }
    QPlainTextEdit *memSugestao() const { return m_memSugestao; }
    QLabel *lblBeneficiarios() const { return m_lblBeneficiarios; }
    QLabel *lblFuncionarios() const { return m_lblFuncionarios; }
    // What the fields hold now.
    DadosGerenciais dadosDigitados() const;

protected:
    void InicializaFrame() override;
    bool temDados() const override { return m_informacoes != nullptr; }
    void habilitaCampos(bool habilita) override;
    void gravaDados() override { m_informacoes->gravar(dadosDigitados()); }

private:
    void mostraDados(const DadosGerenciais &dados);
    void campoMudou();

    QWidget *m_pnlDados = nullptr;
    QLabel *m_lblBeneficiarios = nullptr;
    QLineEdit *m_edtBeneficiarios = nullptr;
    QLabel *m_lblFuncionarios = nullptr;
    QLineEdit *m_edtFuncionarios = nullptr;
    QPlainTextEdit *m_memSugestao = nullptr;
    std::unique_ptr<InformacoesGerais> m_informacoes;
    bool m_administradora = false;
    bool m_carregando = false;
};

} // namespace kelpa
