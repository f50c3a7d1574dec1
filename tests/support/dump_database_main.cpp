// veiculo_dump_db DATABASE: prints every row of an embedded dealer database
// (database_dump.h), for the CLI scripts that compare a database before and
// after a command. Exit 1 with the engine's message when it cannot be read.

#include <exception>
#include <iostream>

#include "support/database_dump.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: veiculo_dump_db DATABASE\n";
    return 2;
  }
  try {
    auto connection = veiculo::Connection::OpenFirebird(argv[1]);
    connection->Begin();
    std::cout << veiculo::testing::DumpDatabase(*connection);
    connection->Rollback();
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "veiculo_dump_db: " << e.what() << '\n';
    return 1;
  }
}
