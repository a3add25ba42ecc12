// placeholder until the database layer lands
