namespace sarvo::tool {} 
