#include "TqrpRegiaoAtuacao.h"

#include "GradeColunas.h"
#include "TqrpCadastro.h"
#include "app/ServicosOperadora.h"

namespace kelpa::relatorios {

void TqrpRegiaoAtuacao::carregarDados(const QSqlDatabase &db)
{
    const CadastroEmVigor cadastro = DadosCadastroImpressao::ler(db, operadora(), dataReferencia());
    m_municipios = DadosCadastroImpressao::municipiosAtuacao(db, operadora(), cadastro.periodo);
    m_patrocinada = ServicosOperadora(db, operadora()).AutogestaoPatrocinada();
    setVigencia(cadastro.periodo.isValid() ? TqrpCadastro::rotuloVigencia(cadastro.periodo, operadoraDePlanos())
                                           : QString());
}

QList<Banda> TqrpRegiaoAtuacao::corpo(double largura) const
{
    const GradeColunas g({{QString(), 1}, {QString(), 1}}, largura);
    QList<Banda> bandas;
    for (qsizetype i = 0; i < m_municipios.size();) {
        const MunicipioAtuacao &primeiro = m_municipios.at(i);
        if (i == 0 || m_municipios.at(i - 1).uf != primeiro.uf) {
            Banda estado(TipoBanda::CabecalhoGrupo);
            const QString nome = primeiro.nomeUf.isEmpty() ? primeiro.uf
                                                           : primeiro.nomeUf + QStringLiteral(" (") + primeiro.uf
                                                                 + QLatin1Char(')');
            estado.texto(QRectF(0, 2.0, largura, 4.2), nome, Qt::AlignLeft | Qt::AlignBottom, EstiloTexto::forte(9));
            estado.linha(QLineF(0, 6.6, largura, 6.6), 0.2, QColor(120, 120, 120));
            estado.setAltura(7.4);
            estado.repetirNaQuebra();
            bandas << estado;
        }
        // The second name of a line only when it belongs to the same state.
        QStringList linha{primeiro.municipio};
        if (i + 1 < m_municipios.size() && m_municipios.at(i + 1).uf == primeiro.uf) {
            linha << m_municipios.at(i + 1).municipio;
            i += 2;
        } else {
            i += 1;
        }
        bandas << g.linha(linha);
    }
    return bandas;
}

} // namespace kelpa::relatorios
