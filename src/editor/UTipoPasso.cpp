#include "editor/UTipoPasso.h"

QString NomeDoPasso(TTipoPasso tipo)
{
    switch (tipo) {
    case TTipoPasso::Digitacao: return QStringLiteral("Digitação");
    case TTipoPasso::Exclusao: return QStringLiteral("Apagar");
    case TTipoPasso::Colagem: return QStringLiteral("Colar");
    case TTipoPasso::Relogio: return QStringLiteral("Horário de Saída");
    case TTipoPasso::Alinhamento: return QStringLiteral("Alinhamento");
    case TTipoPasso::Espacamento: return QStringLiteral("Espaçamento");
    case TTipoPasso::Fonte: return QStringLiteral("Troca de Fonte");
    case TTipoPasso::Desenho: return QStringLiteral("Desenho de LEDs");
    case TTipoPasso::Pictograma: return QStringLiteral("Inserir Pictograma");
    case TTipoPasso::Imagem: return QStringLiteral("Importar Imagem");
    case TTipoPasso::LimparTudo: return QStringLiteral("Limpar Tudo");
    case TTipoPasso::RolagemLigada: return QStringLiteral("Ligar Rolagem");
    case TTipoPasso::RolagemDesligada: return QStringLiteral("Desligar Rolagem");
    case TTipoPasso::Cores: return QStringLiteral("Cores e Divisão");
    case TTipoPasso::Tamanho: return QStringLiteral("Tamanho do Painel");
    case TTipoPasso::SalvarDestino: return QStringLiteral("Salvar Destino");
    case TTipoPasso::ExcluirDestino: return QStringLiteral("Excluir Destino");
    case TTipoPasso::InserirDestinoAqui: return QStringLiteral("Inserir Destino Aqui");
    case TTipoPasso::NovoDestinoNoFinal: return QStringLiteral("Novo Destino no Final");
    case TTipoPasso::ImportarLista: return QStringLiteral("Importar Lista de Destinos");
    case TTipoPasso::Alteracao: return QStringLiteral("Alteração da Lista");
    }
    return {};
}

bool PassoContinuo(TTipoPasso tipo)
{
    return tipo == TTipoPasso::Digitacao;
}
