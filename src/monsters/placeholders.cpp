// placeholder: the monster behaviour until it is built.
