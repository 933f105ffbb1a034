#include "SelecaoPessoa.h"

#include "TfrmCadastroPessoa.h"
#include "TfrmListaPessoa.h"

#include "app/ui/MensagemDlg.h"

#include <QTableWidget>

namespace kelpa::SelecaoPessoa {

namespace {

// Returns the dialog's result and, through `idPsoa`, the person's number.
int abrePessoa(QWidget *pai, const QSqlDatabase &db, const QString &codOper, int modo, int &idPsoa, int disposicao,
               CadastroPessoas::FiltroTipo filtro)
{
    const bool juridica = filtro == CadastroPessoas::FiltroTipo::Juridicas;
    TfrmCadastroPessoa dialogo(db, codOper, pai);
    dialogo.setWindowTitle(juridica ? QStringLiteral("Cadastro de Pessoas Jurídicas") : QStringLiteral("Cadastro de Pessoas Físicas"));
    dialogo.setModo(modo);
    dialogo.setIdPessoa(idPsoa);
    dialogo.setTipoPreSelecionado(juridica ? 1 : 0);
    dialogo.setDisposicao(disposicao);
    const int resultado = dialogo.exec();
    idPsoa = dialogo.IdPessoa();
    return resultado;
}

} // namespace

std::optional<ItemPessoa> Escolhe(QWidget *pai, const QSqlDatabase &db, const QString &codOper, CadastroPessoas::FiltroTipo filtro,
                                  bool apenasAdministradores, const QString &mensagemListaVazia)
{
    TfrmListaPessoa lista(db, codOper, filtro, apenasAdministradores, false, pai);
    if (lista.grade()->rowCount() == 0) {
        MensagemDlg(mensagemListaVazia, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, pai);
        return std::nullopt;
    }
    if (lista.exec() != QDialog::Accepted)
        return std::nullopt;
    return lista.escolhida();
}

std::optional<int> Cria(QWidget *pai, const QSqlDatabase &db, const QString &codOper, int disposicao, CadastroPessoas::FiltroTipo filtro)
{
    int idPsoa = 0;
    if (abrePessoa(pai, db, codOper, TfrmCadastroPessoa::Nova, idPsoa, disposicao, filtro) != QDialog::Accepted || idPsoa <= 0)
        return std::nullopt;
    return idPsoa;
}

bool Edita(QWidget *pai, const QSqlDatabase &db, const QString &codOper, int idPsoa, int disposicao, CadastroPessoas::FiltroTipo filtro)
{
    return abrePessoa(pai, db, codOper, TfrmCadastroPessoa::Edicao, idPsoa, disposicao, filtro) == QDialog::Accepted;
}

} // namespace kelpa::SelecaoPessoa
