#pragma once

#include "BlocoEndereco.h"

#include "quadros/cadastro/CadastroPessoas.h"
#include "quadros/cadastro/Municipios.h"

#include "app/ui/TfrmModDlgConfirmaCancela.h"

#include <QSqlDatabase>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QToolButton;

namespace kelpa {

// Creates or edits one person of the register: identity, address, phones and fax.
// A new person is recorded when the dialog opens (its phones need its number) and
// removed again when the dialog is cancelled. A save that fails keeps the dialog
// open with the error, so nothing typed is lost.
class TfrmCadastroPessoa : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    enum Modo { Nova = 0, Edicao = 1 };
    // Which panels a caller shows (the callers' numbering).
    enum Disposicao {
        ListaGenerica = 0,
        Responsaveis = 1,
        Administradores = 2,
        Representante = 3,
        Dependencias = 4,
        Acionistas = 5,
        Participadas = 6,
    };

    TfrmCadastroPessoa(const QSqlDatabase &db, const QString &codOper, QWidget *parent = nullptr);

    // Settings, read when the dialog is shown.
    void setModo(int modo) { m_modo = modo; }
    void setIdPessoa(int idPsoa) { m_idPsoa = idPsoa; }
    void setTipoPreSelecionado(int tipo) { m_tipoInicial = tipo; } // 0 natural, 1 legal
    void setDisposicao(int disposicao) { m_disposicao = disposicao; }

    // The person's number: after OK on a new person, the number it got.
    int IdPessoa() const { return m_idPsoa; }
    bool aberta() const { return m_aberta; }

    QGroupBox *pnlTipo() const { return m_pnlTipo; }
    QGroupBox *pnlEndereco() const { return m_pnlEndereco; }
    QRadioButton *rbFisica() const { return m_fisica; }
    QRadioButton *rbJuridica() const { return m_juridica; }
    QLineEdit *edtRzSocial() const { return m_nome; }
    QLabel *lblNome() const { return m_lblNome; }
    QLineEdit *edtCPF_CNPJ() const { return m_documento; }
    QLabel *lblDocumento() const { return m_lblDocumento; }
    QCheckBox *chkEstrangeiro() const { return m_estrangeiro; }
    QCheckBox *chkInativa() const { return m_inativa; }
    QLineEdit *edtSegundoNome() const { return m_segundoNome; }
    QLabel *lblSegundoNome() const { return m_lblSegundoNome; }
    QLineEdit *dtNascimento() const { return m_nascimento; }
    QLineEdit *edtLogradouro() const { return m_endereco.logradouro; }
    QLineEdit *edtNumero() const { return m_endereco.numero; }
    QLineEdit *edtComplemento() const { return m_endereco.complemento; }
    QLineEdit *edtBairro() const { return m_endereco.bairro; }
    QLineEdit *edtMunicipio() const { return m_endereco.municipio; }
    QToolButton *btnMunicipio() const { return m_endereco.btnMunicipio; }
    QLineEdit *edtUF() const { return m_endereco.uf; }
    QLineEdit *edtCEP() const { return m_endereco.cep; }
    QLineEdit *edtEmail() const { return m_email; }
    QTableWidget *grdTelefones() const { return m_telefones; }
    QToolButton *btnIncluirTelefone() const { return m_btnIncluirTelefone; }
    QToolButton *btnEditarTelefone() const { return m_btnEditarTelefone; }
    QToolButton *btnExcluirTelefone() const { return m_btnExcluirTelefone; }
    QCheckBox *chkFaxExterior() const { return m_faxExterior; }
    QLabel *lblFaxCodigo() const { return m_lblFaxCodigo; }
    QLineEdit *edtFaxCodigo() const { return m_faxCodigo; }
    QLineEdit *edtFax() const { return m_fax; }

    // The municipality chosen (what the "..." button sets).
    void escolheMunicipio(const Municipio &municipio);
    void incluirTelefone();
    void editarTelefone();
    void excluirTelefone();
    void abrirListaMunicipios();
    // The check made on leaving the document box; false shows why.
    bool confereDocumento();

public slots:
    void reject() override;

protected:
    bool CriticaDados() override;
    void GravaDados() override;
    void showEvent(QShowEvent *evento) override;

private:
    bool abrir();
    void aplicaDisposicao();
    void aplicaTipo();
    void mostra(const DadosPessoa &d);
    DadosPessoa coleta() const;
    void carregaTelefones();
    void faxExteriorMudou();
    QString documentoDigitado() const;
    QString tipo() const;

    QSqlDatabase m_db;
    QString m_codOper;
    CadastroPessoas m_pessoas;
    int m_modo = Nova;
    int m_idPsoa = 0;
    int m_tipoInicial = 0;
    int m_disposicao = ListaGenerica;
    bool m_aberta = false;
    DadosPessoa m_dados;
    QList<Telefone> m_listaTelefones;

    QGroupBox *m_pnlTipo = nullptr;
    QButtonGroup *m_grupoTipo = nullptr;
    QRadioButton *m_fisica = nullptr;
    QRadioButton *m_juridica = nullptr;
    QLabel *m_lblNome = nullptr;
    QLineEdit *m_nome = nullptr;
    QCheckBox *m_estrangeiro = nullptr;
    QLabel *m_lblDocumento = nullptr;
    QLineEdit *m_documento = nullptr;
    QCheckBox *m_inativa = nullptr;
    QLabel *m_lblSegundoNome = nullptr;
    QLineEdit *m_segundoNome = nullptr;
    QLabel *m_lblNascimento = nullptr;
    QLineEdit *m_nascimento = nullptr;
    QGroupBox *m_pnlEndereco = nullptr;
    CaixasEndereco m_endereco;
    QLineEdit *m_email = nullptr;
    QTableWidget *m_telefones = nullptr;
    QToolButton *m_btnIncluirTelefone = nullptr;
    QToolButton *m_btnEditarTelefone = nullptr;
    QToolButton *m_btnExcluirTelefone = nullptr;
    QCheckBox *m_faxExterior = nullptr;
    QLabel *m_lblFaxCodigo = nullptr;
    QLineEdit *m_faxCodigo = nullptr;
    QLineEdit *m_fax = nullptr;
};

} // namespace kelpa
