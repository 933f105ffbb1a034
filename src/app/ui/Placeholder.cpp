namespace kelpa {}
