#pragma once

#include "BlocoEndereco.h"

#include "quadros/cadastro/CadastroComplementar.h"

#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QToolButton;

namespace kelpa {

// "Quadro 1: Cadastro": the operator's classification, addresses, phones, fax, e-mail
// and region of operation, one set per period. Confirm checks and saves the period in
// one transaction; Cancel writes nothing.
class TFrameCadComplemento : public TfraModeloQuadroPeriodo
{
    Q_OBJECT

public:
    TFrameCadComplemento(ContextoQuadro &contexto, QWidget *parent = nullptr);

    // The boxes of one address ("Endereço da Matriz" or "Endereço para Correspondência").
    struct CamposEndereco : CaixasEndereco {
        EnderecoCadastro *dados = nullptr;
    };

    bool editando() const { return m_editando; }
    const PeriodoCadastro &dados() const { return m_dados; }
    QLineEdit *edtNomeFantasia() const { return m_nomeFantasia; }
    QLineEdit *dtxNaturezaJuridica() const { return m_natureza; }
    QLineEdit *dbxModalidade() const { return m_modalidade; }
    QComboBox *cmbSegmento() const { return m_segmento; }
    QLineEdit *edtRegiao() const { return m_regiao; }
    QToolButton *btnRegiao() const { return m_btnRegiao; }
    QStackedWidget *pnlSegmentoRegiao() const { return m_pnlSegmentoRegiao; }
    const CamposEndereco &matriz() const { return m_matriz; }
    const CamposEndereco &correspondencia() const { return m_correspondencia; }
    QTableWidget *grdTelefones() const { return m_telefones; }
    QToolButton *btIncluirTelefone() const { return m_btnIncluirTelefone; }
    QToolButton *btEditarTelefone() const { return m_btnEditarTelefone; }
    QToolButton *btExcluirTelefone() const { return m_btnExcluirTelefone; }
    QCheckBox *chkExterior() const { return m_exterior; }
    QLabel *lblDDD() const { return m_lblDDD; }
    QLineEdit *edtDDD() const { return m_ddd; }
    QLineEdit *edtFax() const { return m_fax; }
    QLineEdit *edtEmailOperadora() const { return m_email; }
    QWidget *pnlComercializaSede() const { return m_pnlSede; }

    // What the "..." buttons and the segmentation list do, for callers and tests.
    void escolheMunicipio(bool correspondencia, const Municipio &municipio);
    void abrirListaMunicipios(bool correspondencia);
    void abrirRegiao();
    void escolheSegmento(int indice);
    void incluirTelefone();
    void editarTelefone();
    void excluirTelefone();

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

private:
    CamposEndereco criaEndereco(QWidget *grupo, const QString &sufixo, EnderecoCadastro *dados);
    void mostra();
    void mostraEndereco(const CamposEndereco &campos);
    void mostraTelefones();
    void mostraRegiao();
    void coleta();
    bool regiaoHabilitada() const;
    void alterado();
    void exteriorMudou();

    CadastroComplementar m_cadastro;
    PeriodoCadastro m_dados;
    bool m_editando = false;
    bool m_mostrando = false;
    bool m_gravado = false;
    bool m_editarNovo = false;

    QLineEdit *m_nomeFantasia = nullptr;
    QLineEdit *m_natureza = nullptr;
    QLineEdit *m_modalidade = nullptr;
    QStackedWidget *m_pnlSegmentoRegiao = nullptr;
    QComboBox *m_segmento = nullptr;
    QLineEdit *m_regiao = nullptr;
    QToolButton *m_btnRegiao = nullptr;
    CamposEndereco m_matriz;
    CamposEndereco m_correspondencia;
    QTableWidget *m_telefones = nullptr;
    QToolButton *m_btnIncluirTelefone = nullptr;
    QToolButton *m_btnEditarTelefone = nullptr;
    QToolButton *m_btnExcluirTelefone = nullptr;
    QCheckBox *m_exterior = nullptr;
    QLabel *m_lblDDD = nullptr;
    QLineEdit *m_ddd = nullptr;
    QLineEdit *m_fax = nullptr;
    QLineEdit *m_email = nullptr;
    QWidget *m_pnlSede = nullptr;
    QRadioButton *m_sedeSim = nullptr;
    QRadioButton *m_sedeNao = nullptr;
};

} // namespace kelpa
