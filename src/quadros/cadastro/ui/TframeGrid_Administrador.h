#pragma once

#include "TfraQuadroGradeCadastro.h"

#include "quadros/cadastro/Administradores.h"

class QLabel;

namespace kelpa {

// "Quadro 3: Administradores": the operator's administrators of each period with
// their offices and terms, the company body before 2005 and the technical officer
// from 2005 on. Each office is edited in its own dialog and saved there.
class TframeGrid_Administrador : public TfraQuadroGradeCadastro
{
    Q_OBJECT

public:
    TframeGrid_Administrador(ContextoQuadro &contexto, QWidget *parent = nullptr);

    const QList<Administrador> &lista() const { return m_lista; }
    bool responsavelEscolhido() const { return m_responsavelEscolhido; }
    bool perguntaResponsavel() const { return m_perguntaResponsavel; }
    QLabel *lblResponsavelTecnico() const { return m_lblResponsavel; }
    QLabel *lblNomeResponsavel() const { return m_nomeResponsavel; }
    QLabel *detalhe(const QString &nome) const;
    QWidget *painelDetalhe() const { return m_detalhe; }

protected:
    QList<LinhaGrade> leLinhas(const QDate &periodo, int coluna, bool decrescente) override;
    void incluiLinha() override;
    void editaLinha(int linha) override;
    bool podeExcluir(int linha) override;
    void excluiLinha(int linha) override;
    void linhaAtualMudou(int linha) override;
    void periodoCarregado(const QDate &periodo) override;

private:
    void abreDialogo(int idPsoa, int sequencia, bool bloqueado);

    Administradores m_administradores;
    QList<Administrador> m_lista;
    bool m_desde2005 = false;
    bool m_perguntaResponsavel = false;
    bool m_responsavelEscolhido = false;

    QLabel *m_lblResponsavel = nullptr;
    QLabel *m_nomeResponsavel = nullptr;
    QWidget *m_detalhe = nullptr;
    QWidget *m_linhaResponsavel = nullptr;
    QWidget *m_linhaOrgao = nullptr;
    QLabel *m_estrangeiro = nullptr;
};

} // namespace kelpa
