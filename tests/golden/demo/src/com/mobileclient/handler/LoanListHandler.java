package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.Loan;
public class LoanListHandler extends DefaultHandler {
	private List<Loan> loanList = null;
	private Loan loan;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (loan != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (loan != null) { 
            String valueString = valueBuffer.toString(); 
            if ("loanId".equals(tempString) && valueString.length() > 0) 
            	loan.setLoanId(new Integer(valueString).intValue());
            else if ("book".equals(tempString)) 
            	loan.setBook(valueString); 
            else if ("reader".equals(tempString)) 
            	loan.setReader(valueString); 
            else if ("borrowDate".equals(tempString) && valueString.length() > 0) 
            	loan.setBorrowDate(Timestamp.valueOf(valueString));
            else if ("memo".equals(tempString)) 
            	loan.setMemo(valueString); 
        } 
		if("Loan".equals(localName)&&loan!=null){
			loanList.add(loan);
			loan = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		loanList = new ArrayList<Loan>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("Loan".equals(localName)) {
            loan = new Loan(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<Loan> getLoanList() {
		return this.loanList;
	}
}
