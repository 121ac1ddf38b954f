// placeholder until the interpreter lands
