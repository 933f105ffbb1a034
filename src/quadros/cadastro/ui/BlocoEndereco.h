#pragma once

#include "quadros/cadastro/CadastroPessoas.h"

#include <QList>
#include <QString>

class QBoxLayout;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace kelpa {

// The person register and Quadro 1 show an address, its phones and its fax alike;
// these build them once for both.

// The digits of a masked box ("01310-100" gives "01310100").
QString soDigitos(const QString &texto);

// A box with its caption above it and, when given, a button at its right.
QVBoxLayout *campoRotulado(QWidget *grupo, const QString &rotulo, QWidget *caixa, QWidget *botao = nullptr);

// The "..." button that opens a pick list.
QToolButton *botaoSelecao(QWidget *pai, const QString &nome);

struct CaixasEndereco {
    QLineEdit *logradouro = nullptr;
    QLineEdit *numero = nullptr;
    QLineEdit *complemento = nullptr;
    QLineEdit *bairro = nullptr;
    QLineEdit *municipio = nullptr; // chosen with btnMunicipio, never typed
    QToolButton *btnMunicipio = nullptr;
    QLineEdit *uf = nullptr;
    QLineEdit *cep = nullptr;
};

// The captions each window words its own way.
struct RotulosEndereco {
    QString logradouro;
    QString complemento;
    QString bairro;
};

// The boxes of one address in `grupo`, laid out in two rows added to `destino`; each
// object name ends in `sufixo`. The number box is left without a filter, since one
// window takes letters in it and the other digits only.
CaixasEndereco criaCaixasEndereco(QWidget *grupo, QBoxLayout *destino, const RotulosEndereco &rotulos,
                                  const QString &sufixo = {});

// The phone list (area, number, extension), chosen a whole row at a time.
QTableWidget *criaGradeTelefones(QWidget *pai);
// Shows the phones in such a list: "(11)" or "(+55)", the number, "R. 12".
void mostraTelefones(QTableWidget *grade, const QList<Telefone> &telefones);

struct BotoesTelefone {
    QToolButton *incluir = nullptr;
    QToolButton *editar = nullptr;
    QToolButton *excluir = nullptr;
};
BotoesTelefone criaBotoesTelefone(QWidget *pai);
// The list in `grupo` with its buttons down its right side.
void dispoeTelefones(QGroupBox *grupo, QTableWidget *grade, const BotoesTelefone &botoes);

// The fax in `grupo`: "Exterior" above the code and the number, each under its caption.
void dispoeFax(QGroupBox *grupo, QCheckBox *exterior, QLabel *lblCodigo, QLineEdit *codigo, QLineEdit *numero);

} // namespace kelpa
